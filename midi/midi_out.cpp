#include "midi/midi_out.h"

#include <cstring>
#include <new>

#include "midi/messages.h"
#include "midi/output_device_adapter.h"

namespace lintra::midi {

TMidiOutput::TMidiOutput(MidiOutputService& ports, MessageLoop& loop)
    : ownDevices_(std::make_unique<OutputDeviceAdapter>(ports)),
      devices_(*ownDevices_),
      window_(
          std::make_unique<MessageWindow>(loop, [this](const PostedMessage& message) { HandleNotification(message); })),
      deviceCount_(static_cast<std::uint16_t>(devices_.OutGetNumDevs())) {}

TMidiOutput::TMidiOutput(OutputDeviceApi& devices, MessageLoop& loop)
    : devices_(devices),
      window_(
          std::make_unique<MessageWindow>(loop, [this](const PostedMessage& message) { HandleNotification(message); })),
      deviceCount_(static_cast<std::uint16_t>(devices_.OutGetNumDevs())) {}

TMidiOutput::~TMidiOutput() {
  if (open_) {
    try {
      TMidiOutput::CloseDevice();
    } catch (const EmidioutputError&) {
      // Nobody is left to show it.
    }
  }
  // Done notifications still waiting own their headers: release them quietly.
  destroying_ = true;
  while (window_->DispatchOne()) {
  }
}

std::string TMidiOutput::ErrorText(Result code) { return ServiceErrorText(devices_, code); }

void TMidiOutput::Check(Result result) {
  lastError_ = result;
  if (result != kOk) throw EmidioutputError(ErrorText(result));
}

void TMidiOutput::SetDeviceID(int id) {
  if (open_) throw EmidioutputError("Change to DeviceID while device was open");
  if (id != kMidiMapper && (id < 0 || static_cast<unsigned>(id) >= devices_.OutGetNumDevs()))
    throw EmidioutputError("Invalid device ID");
  deviceId_ = id;
  OutCaps caps;
  lastError_ = devices_.OutGetDevCaps(id, caps);
  // A failed query leaves the record empty: the fields then claim no device.
  if (lastError_ != kOk) caps = OutCaps{};
  productName_ = caps.productName;
  driverVersion_ = caps.driverVersion;
  technology_ = static_cast<std::uint8_t>(caps.technology & 0xFF);
  voices_ = caps.voices;
  notes_ = caps.notes;
  channelMask_ = caps.channelMask;
  support_ = caps.support;
}

void TMidiOutput::SetProductName(const std::string& name) {
  if (open_) throw EmidioutputError("Change to ProductName while device was open");
  if (loading_) return;
  const int count = static_cast<int>(devices_.OutGetNumDevs());
  // The mapper comes first, so a name equal to the mapper's selects it.
  for (int id = kMidiMapper; id < count; ++id) {
    OutCaps caps;
    Check(devices_.OutGetDevCaps(id, caps));
    if (caps.productName == name) {
      productName_ = name;
      SetDeviceID(id);
      return;
    }
  }
  throw EmidioutputError("MIDI output Device " + name + " not installed");
}

bool TMidiOutput::OpenDevice() {
  if (open_) return true;  // a second open would orphan the first handle
  try {
    if (!link_) link_ = std::make_unique<DeviceLink>();
    link_->Window.store(window_.get(), std::memory_order_release);
    DeviceHandle handle = kNoHandle;
    lastError_ = devices_.OutOpen(handle, deviceId_, &DeviceCallback, reinterpret_cast<std::uintptr_t>(link_.get()));
    // A refused open leaves the component closed with the code in LastError;
    // claiming to be open on no handle only moves the failure to every send.
    if (lastError_ != kOk) return false;
    handle_ = handle;
    open_ = true;
    return true;
  } catch (const std::bad_alloc&) {
    link_.reset();
    return false;
  }
}

bool TMidiOutput::CloseDevice() {
  if (!open_) return false;
  const Result result = devices_.OutClose(handle_);
  lastError_ = result;
  if (result == kErrDeviceGone) {
    // The handle died with its device: forget it so that another device can
    // be chosen, then report the loss.
    handle_ = kNoHandle;
    open_ = false;
  }
  if (result != kOk) throw EmidioutputError(ErrorText(result));
  handle_ = kNoHandle;
  open_ = false;
  return true;
}

void TMidiOutput::SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
  Check(devices_.OutShortMsg(handle_, Packed({status, data1, data2})));
}

void TMidiOutput::SendLong(const std::uint8_t* bytes, std::uint16_t length) {
  if (length == 0 || bytes == nullptr) {
    // There is no header for an empty message; do not hand the device a null one.
    Check(kErrInvalParam);
  }
  auto owner = std::make_unique<TMyMidiHdr>(length);
  std::memcpy(owner->Buffer(), bytes, length);
  LongHeader* header = owner->Header();
  Check(devices_.OutPrepareHeader(handle_, header));
  const Result sent = devices_.OutLongMsg(handle_, header);
  if (sent != kOk) {
    devices_.OutUnprepareHeader(handle_, header);
    Check(sent);
  }
  // The device owns it now; it comes back with the done notification.
  owner.release();
}

void TMidiOutput::SendEvent(const TMyMidiEvent& event) {
  if (!open_) throw EmidioutputError("MIDI Output device not open");
  if (!event.SysexBytes)
    SendShort(event.StatusByte, event.FirstData, event.SecondData);
  else
    SendLong(event.SysexBytes.get(), event.SysexSize);
}

void TMidiOutput::ReleaseHeader(LongHeader* header) {
  devices_.OutUnprepareHeader(handle_, header);
  delete TMyMidiHdr::OwnerOf(header);
}

void TMidiOutput::HandleNotification(const PostedMessage& message) {
  if (message.code != kNotifyOutputDone) return;
  ReleaseHeader(reinterpret_cast<LongHeader*>(message.p2));
  if (Onmidioutput && !destroying_) Onmidioutput();
}

}  // namespace lintra::midi

#include "midi/midi_in.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "midi/message_bytes.h"
#include "midi/messages.h"

namespace lintra::midi {

TMidiInput::TMidiInput(MidiInputService& ports, MessageLoop& loop) : TMidiInput(nullptr, &ports, loop) {}

TMidiInput::TMidiInput(InputDeviceApi& devices, MessageLoop& loop) : TMidiInput(&devices, nullptr, loop) {}

TMidiInput::TMidiInput(InputDeviceApi* devices, MidiInputService* ports, MessageLoop& loop)
    : ownDevices_(devices ? nullptr : std::make_unique<InputDeviceAdapter>(*ports)),
      devices_(devices ? *devices : *ownDevices_),
      loop_(loop),
      deviceCount_(static_cast<std::uint16_t>(devices_.InGetNumDevs())) {
  if (deviceCount_ == 0) return;  // no devices: no window, no name, for good
  try {
    SetDeviceID(0);
  } catch (const EMidiInputError&) {
    // A device whose record cannot be read must not stop the window from
    // being built; Error keeps the code and the name stays empty.
  }
  window_ =
      std::make_unique<MessageWindow>(loop, [this](const PostedMessage& message) { HandleNotification(message); });
  state_ = State::Closed;
}

void TMidiInput::RefreshDeviceCount() {
  deviceCount_ = static_cast<std::uint16_t>(devices_.InGetNumDevs());
  if (state_ != State::NoDevices || deviceCount_ == 0) return;
  if (!window_) {
    window_ =
        std::make_unique<MessageWindow>(loop_, [this](const PostedMessage& message) { HandleNotification(message); });
  }
  state_ = State::Closed;
  try {
    SetDeviceID(0);
  } catch (const EMidiInputError&) {
  }
}

TMidiInput::~TMidiInput() {
  if (IsOpen()) {
    try {
      CloseDevice();
    } catch (const EMidiInputError&) {
      // Nobody is left to show it; fall through to the forced release.
    }
  }
  ReleaseDevice();
}

std::string TMidiInput::ErrorText(Result code) { return ServiceErrorText(devices_, code); }

void TMidiInput::Check(Result result) {
  error_ = result;
  if (result == kErrDeviceGone) ForgetDevice();
  if (result != kOk) throw EMidiInputError(ErrorText(result));
}

void TMidiInput::SetDeviceID(std::uint16_t id) {
  if (IsOpen()) throw EMidiInputError("Change to DeviceID while device was open");
  if (id >= devices_.InGetNumDevs()) throw EMidiInputError("Invalid device ID");
  deviceId_ = id;
  InCaps caps;
  Check(devices_.InGetDevCaps(id, caps));
  productName_ = caps.productName;
  driverVersion_ = caps.driverVersion;
  manufacturerId_ = caps.manufacturerId;
  productId_ = caps.productId;
}

void TMidiInput::SetProductName(const std::string& name) {
  if (deviceCount_ == 0) return;
  if (IsOpen()) throw EMidiInputError("Change to ProductName while device was open");
  if (loading_) return;
  const unsigned count = devices_.InGetNumDevs();
  for (unsigned id = 0; id < count; ++id) {
    InCaps caps;
    Check(devices_.InGetDevCaps(id, caps));
    if (caps.productName == name) {
      productName_ = name;
      SetDeviceID(static_cast<std::uint16_t>(id));
      return;
    }
  }
  throw EMidiInputError("MIDI Input Device " + name + " not installed ");
}

void TMidiInput::SetSysexOnly(bool sysexOnly) noexcept {
  sysexOnly_ = sysexOnly;
  if (link_) link_->SysexOnly.store(sysexOnly, std::memory_order_relaxed);
}

void TMidiInput::SetSysexBufferSize(std::uint16_t size) {
  if (IsOpen()) throw EMidiInputError("Change to SysexBufferSize while device was open");
  sysexBufferSize_ = size;
}

void TMidiInput::SetSysexBufferCount(std::uint16_t count) {
  if (IsOpen()) throw EMidiInputError("Change to SysexBuffercount while device was open");
  sysexBufferCount_ = count;
}

bool TMidiInput::OpenDevice() {
  if (state_ == State::NoDevices) return false;
  if (state_ == State::Open) return true;  // a second open would orphan the first handle
  try {
    if (!ring_) ring_ = RingCreate(Capacity);
    if (!ring_) return false;
    if (!link_) link_ = std::make_unique<DeviceLink>();
    link_->Ring.store(ring_, std::memory_order_release);
    link_->Window.store(window_.get(), std::memory_order_release);
    link_->SysexOnly.store(sysexOnly_, std::memory_order_relaxed);
    DeviceHandle handle = kNoHandle;
    error_ = devices_.InOpen(handle, deviceId_, &DeviceCallback, reinterpret_cast<std::uintptr_t>(link_.get()));
    if (error_ != kOk) {
      // Refused: say so once and stay closed.  An open state on no handle
      // would make every later close fail and show an error box again.
      link_->Ring.store(nullptr, std::memory_order_release);
      RingFree(ring_);
      ring_ = nullptr;
      if (ShowMessage) ShowMessage(kMidiConflictText);
      return false;
    }
    handle_ = handle;
    PrepareSysexBuffers();
    QueueSysexBuffers();
    state_ = State::Open;
    return true;
  } catch (const EMidiInputError&) {
    ReleaseDevice();
    return false;
  } catch (const std::bad_alloc&) {
    ReleaseDevice();
    return false;
  }
}

void TMidiInput::ReleaseDevice() {
  // A device opened whose buffers could not be set up, or whose close failed
  // half-way: it must stop calling us before the ring and the buffers go.
  if (handle_ != kNoHandle) {
    devices_.InReset(handle_);
    for (auto& buffer : sysexBuffers_)
      if (buffer) devices_.InUnprepareHeader(handle_, buffer->Header());
    devices_.InClose(handle_);
    handle_ = kNoHandle;
  }
  sysexBuffers_.clear();
  if (link_) link_->Ring.store(nullptr, std::memory_order_release);
  RingFree(ring_);
  ring_ = nullptr;
}

void TMidiInput::ForgetDevice() {
  // The device is gone, and with it every buffer it held and every callback.
  handle_ = kNoHandle;
  state_ = state_ == State::NoDevices ? state_ : State::Closed;
  sysexBuffers_.clear();
  if (link_) link_->Ring.store(nullptr, std::memory_order_release);
  RingFree(ring_);
  ring_ = nullptr;
}

void TMidiInput::PrepareSysexBuffers() {
  if (sysexBufferCount_ == 0 || sysexBufferSize_ == 0 || handle_ == kNoHandle) return;
  sysexBuffers_.clear();
  sysexBuffers_.reserve(sysexBufferCount_);
  for (std::uint16_t i = 0; i < sysexBufferCount_; ++i) {
    auto buffer = std::make_unique<TMyMidiHdr>(sysexBufferSize_);
    Check(devices_.InPrepareHeader(handle_, buffer->Header()));
    sysexBuffers_.push_back(std::move(buffer));
  }
}

void TMidiInput::QueueSysexBuffers() {
  for (auto& buffer : sysexBuffers_) Check(devices_.InAddBuffer(handle_, buffer->Header()));
}

void TMidiInput::ReleaseSysexBuffers() {
  for (auto& buffer : sysexBuffers_) {
    if (!buffer) continue;
    Check(devices_.InUnprepareHeader(handle_, buffer->Header()));
    buffer.reset();
  }
  sysexBuffers_.clear();
}

void TMidiInput::StartInput() {
  if (!IsOpen()) return;
  Check(devices_.InStart(handle_));
}

void TMidiInput::CloseDevice() {
  if (!IsOpen()) return;
  // Closed before any call, so the empty buffers that the reset hands back
  // are never read as events.
  state_ = State::Closed;
  Check(devices_.InReset(handle_));
  ReleaseSysexBuffers();
  Check(devices_.InClose(handle_));
  handle_ = kNoHandle;
  link_->Ring.store(nullptr, std::memory_order_release);
  RingFree(ring_);
  ring_ = nullptr;
}

std::uint16_t TMidiInput::PendingCount() const noexcept { return IsOpen() && ring_ ? RingCount(*ring_) : 0; }

std::unique_ptr<TMyMidiEvent> TMidiInput::ReadEvent() {
  if (!IsOpen() || !ring_) return nullptr;
  RingEntry entry;
  if (!RingPeek(*ring_, entry)) return nullptr;
  auto event = std::make_unique<TMyMidiEvent>();
  event->Timestamp = entry.Timestamp;
  if (LongHeader* header = entry.LongHeader) {
    event->StatusByte = kSysexStart;
    // Never trust a recorded count beyond the buffer it describes.
    const std::uint32_t recorded = std::min(header->bytesRecorded, header->bufferLength);
    event->SysexSize = static_cast<std::uint16_t>(recorded & 0xFFFF);
    if (event->SysexSize > 0) {
      event->SysexBytes = std::make_unique<std::uint8_t[]>(event->SysexSize);
      std::memcpy(event->SysexBytes.get(), header->data, event->SysexSize);
    }
    Result result = devices_.InPrepareHeader(handle_, header);
    if (result == kOk) result = devices_.InAddBuffer(handle_, header);
    Check(result);  // on failure the entry stays for the next read
  } else {
    const ShortMessage message = Unpacked(entry.ShortData);
    event->StatusByte = message.status;
    event->FirstData = message.data1;
    event->SecondData = message.data2;
  }
  RingDrop(*ring_);
  // Dropped first: the hook may handle pending events and read again, nested.
  if (event->StatusByte == kNoteOn && event->SecondData > 0 && NoteHook) NoteHook(event->FirstData);
  return event;
}

void TMidiInput::HandleNotification(const PostedMessage& message) {
  if (message.code == kNotifyCatchUp) {
    CatchUpMissedNotifications();
    return;
  }
  // Every notification takes at most one entry, whatever its code.
  const auto event = ReadEvent();
  if (message.code == kNotifyInput) {
    if (OnMidiInput && IsOpen() && PendingCount() > 0) OnMidiInput();
  } else if (message.code == kNotifyOverflow) {
    if (OnOverflow && IsOpen()) OnOverflow();
  }
  CatchUpMissedNotifications();
}

void TMidiInput::CatchUpMissedNotifications() {
  if (!link_) return;
  // Each notification the callback could not post stands for one entry (or
  // one overflow); handle them now as if they had arrived.
  for (std::uint32_t missed = link_->MissedInput.exchange(0, std::memory_order_acquire); missed > 0; --missed) {
    const auto event = ReadEvent();
  }
  for (std::uint32_t missed = link_->MissedOverflow.exchange(0, std::memory_order_acquire); missed > 0; --missed) {
    if (OnOverflow && IsOpen()) OnOverflow();
  }
}

}  // namespace lintra::midi

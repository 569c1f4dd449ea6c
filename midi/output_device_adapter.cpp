#include "midi/output_device_adapter.h"

#include "midi/result_texts.h"

namespace lintra::midi {

struct OutputDeviceAdapter::Device {
  std::unique_ptr<OutputConnection> connection;
  Callback callback = nullptr;
  std::uintptr_t instance = 0;

  void Notify(DeviceHandle handle, std::uint32_t message, std::uintptr_t p1 = 0) const {
    if (callback) callback(handle, message, instance, p1, 0);
  }
};

OutputDeviceAdapter::OutputDeviceAdapter(MidiOutputService& ports) : ports_(ports) {}

OutputDeviceAdapter::~OutputDeviceAdapter() = default;

unsigned OutputDeviceAdapter::OutGetNumDevs() { return ports_.OutputCount(); }

Result OutputDeviceAdapter::OutGetDevCaps(int id, OutCaps& caps) { return ports_.DescribeOutput(id, caps); }

Result OutputDeviceAdapter::OutOpen(DeviceHandle& handle, int id, Callback callback, std::uintptr_t instance) {
  handle = kNoHandle;
  auto device = std::make_unique<Device>();
  if (const Result opened = ports_.OpenOutput(id, device->connection); opened != kOk) return opened;
  device->callback = callback;
  device->instance = instance;
  const Device& added = *device;
  handle = devices_.NewHandle();
  devices_.Add(handle, std::move(device));
  added.Notify(handle, MOM_OPEN);
  return kOk;
}

Result OutputDeviceAdapter::OutClose(DeviceHandle handle) {
  Device* device = devices_.Find(handle);
  if (!device) return kErrInvalidHandle;
  const Result closed = device->connection->Close();
  // A port that has gone is released all the same: its handle names nothing now.
  if (closed != kOk && closed != kErrDeviceGone) return closed;
  const Device notices = {nullptr, device->callback, device->instance};
  devices_.Remove(handle);
  if (closed == kOk) notices.Notify(handle, MOM_CLOSE);
  return closed;
}

Result OutputDeviceAdapter::OutShortMsg(DeviceHandle handle, std::uint32_t packed) {
  Device* device = devices_.Find(handle);
  if (!device) return kErrInvalidHandle;
  return device->connection->Send(Unpacked(packed));
}

Result OutputDeviceAdapter::OutPrepareHeader(DeviceHandle handle, LongHeader* header) {
  if (!devices_.Find(handle)) return kErrInvalidHandle;
  return PrepareHeader(header);
}

// Played at once: the header comes back through the callback before the call returns.
Result OutputDeviceAdapter::OutLongMsg(DeviceHandle handle, LongHeader* header) {
  Device* device = devices_.Find(handle);
  if (!device) return kErrInvalidHandle;
  if (const Result playable = CheckPlayable(header); playable != kOk) return playable;
  if (header->bufferLength > 0) {
    const Result sent = device->connection->SendSysex({header->data, header->bufferLength});
    if (sent != kOk) return sent;
  }
  MarkDone(header);
  device->Notify(handle, MOM_DONE, reinterpret_cast<std::uintptr_t>(header));
  return kOk;
}

Result OutputDeviceAdapter::OutUnprepareHeader(DeviceHandle handle, LongHeader* header) {
  if (!devices_.Find(handle)) return kErrInvalidHandle;
  return UnprepareHeader(header);
}

Result OutputDeviceAdapter::OutGetErrorText(Result code, std::string& text) { return ResultText(code, text); }

}  // namespace lintra::midi

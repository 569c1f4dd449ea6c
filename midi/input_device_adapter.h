// The input device calls over a back end's narrow ports.  What the device
// calls add to a port is kept here, once for every back end: handles, the
// callback routine with its notices, the start (messages before it are
// dropped) and its time stamps, and the long buffers queued for
// system-exclusive messages, which the port's thread fills in queue order.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "midi/device_table.h"
#include "midi/input_device_api.h"
#include "midi/midi_input_service.h"

namespace lintra::midi {

class InputDeviceAdapter : public InputDeviceApi {
 public:
  explicit InputDeviceAdapter(MidiInputService& ports);
  ~InputDeviceAdapter() override;
  InputDeviceAdapter(const InputDeviceAdapter&) = delete;
  InputDeviceAdapter& operator=(const InputDeviceAdapter&) = delete;

  unsigned InGetNumDevs() override;
  Result InGetDevCaps(unsigned id, InCaps& caps) override;
  Result InOpen(DeviceHandle& handle, unsigned id, Callback callback, std::uintptr_t instance) override;
  Result InStart(DeviceHandle handle) override;
  Result InReset(DeviceHandle handle) override;
  Result InClose(DeviceHandle handle) override;
  Result InPrepareHeader(DeviceHandle handle, LongHeader* header) override;
  Result InAddBuffer(DeviceHandle handle, LongHeader* header) override;
  Result InUnprepareHeader(DeviceHandle handle, LongHeader* header) override;
  Result InGetErrorText(Result code, std::string& text) override;

  // Long buffers queued on the open devices and not yet filled.
  std::size_t QueuedBuffers() const;

 private:
  class Device;
  MidiInputService& ports_;
  DeviceTable<Device> devices_;
};

}  // namespace lintra::midi

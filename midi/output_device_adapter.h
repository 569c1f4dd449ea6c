// The output device calls over a back end's narrow ports.  What the device
// calls add to a port (handles, the callback routine with its notices, long
// messages in prepared headers) is kept here, once for every back end.
#pragma once

#include <memory>
#include <string>

#include "midi/device_table.h"
#include "midi/midi_output_service.h"
#include "midi/output_device_api.h"

namespace lintra::midi {

class OutputDeviceAdapter : public OutputDeviceApi {
 public:
  explicit OutputDeviceAdapter(MidiOutputService& ports);
  ~OutputDeviceAdapter() override;
  OutputDeviceAdapter(const OutputDeviceAdapter&) = delete;
  OutputDeviceAdapter& operator=(const OutputDeviceAdapter&) = delete;

  unsigned OutGetNumDevs() override;
  Result OutGetDevCaps(int id, OutCaps& caps) override;
  Result OutOpen(DeviceHandle& handle, int id, Callback callback, std::uintptr_t instance) override;
  Result OutClose(DeviceHandle handle) override;
  Result OutShortMsg(DeviceHandle handle, std::uint32_t packed) override;
  Result OutPrepareHeader(DeviceHandle handle, LongHeader* header) override;
  Result OutLongMsg(DeviceHandle handle, LongHeader* header) override;
  Result OutUnprepareHeader(DeviceHandle handle, LongHeader* header) override;
  Result OutGetErrorText(Result code, std::string& text) override;

 private:
  struct Device;
  MidiOutputService& ports_;
  DeviceTable<Device> devices_;
};

}  // namespace lintra::midi

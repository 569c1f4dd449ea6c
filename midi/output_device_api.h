// The device calls the output component was laid out over: devices by
// number, a capability record each, open with a callback routine and a
// context value, packed short messages, and long messages in prepared
// headers that come back with MOM_DONE when played.  Device -1 (kMidiMapper)
// is valid for caps and open.  Inside midi/ only: the back ends offer the
// narrow ports of midi_output_service.h, and OutputDeviceAdapter makes these
// calls of them.
#pragma once

#include <cstdint>
#include <string>

#include "midi/device_types.h"
#include "midi/long_header.h"

namespace lintra::midi {

class OutputDeviceApi {
 public:
  virtual ~OutputDeviceApi() = default;

  virtual unsigned OutGetNumDevs() = 0;
  virtual Result OutGetDevCaps(int id, OutCaps& caps) = 0;
  virtual Result OutOpen(DeviceHandle& handle, int id, Callback callback, std::uintptr_t instance) = 0;
  virtual Result OutClose(DeviceHandle handle) = 0;
  virtual Result OutShortMsg(DeviceHandle handle, std::uint32_t packed) = 0;
  virtual Result OutPrepareHeader(DeviceHandle handle, LongHeader* header) = 0;
  virtual Result OutLongMsg(DeviceHandle handle, LongHeader* header) = 0;  // MOM_DONE when played
  virtual Result OutUnprepareHeader(DeviceHandle handle, LongHeader* header) = 0;
  // Fills `text` and returns kOk, or returns a non-zero code for an unknown code.
  virtual Result OutGetErrorText(Result code, std::string& text) = 0;
};

}  // namespace lintra::midi

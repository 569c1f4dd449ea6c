// The device calls the input component was laid out over: devices that
// deliver short messages (MIM_DATA) and fill the long buffers queued on them
// (MIM_LONGDATA) once started.  Inside midi/ only: the back ends offer the
// narrow ports of midi_input_service.h, and InputDeviceAdapter makes these
// calls of them.
#pragma once

#include <cstdint>
#include <string>

#include "midi/device_types.h"
#include "midi/long_header.h"

namespace lintra::midi {

class InputDeviceApi {
 public:
  virtual ~InputDeviceApi() = default;

  virtual unsigned InGetNumDevs() = 0;
  virtual Result InGetDevCaps(unsigned id, InCaps& caps) = 0;
  virtual Result InOpen(DeviceHandle& handle, unsigned id, Callback callback, std::uintptr_t instance) = 0;
  virtual Result InStart(DeviceHandle handle) = 0;
  virtual Result InReset(DeviceHandle handle) = 0;  // returns queued buffers
  virtual Result InClose(DeviceHandle handle) = 0;  // refused while buffers are queued
  virtual Result InPrepareHeader(DeviceHandle handle, LongHeader* header) = 0;
  virtual Result InAddBuffer(DeviceHandle handle, LongHeader* header) = 0;
  virtual Result InUnprepareHeader(DeviceHandle handle, LongHeader* header) = 0;
  // Fills `text` and returns kOk, or returns a non-zero code for an unknown code.
  virtual Result InGetErrorText(Result code, std::string& text) = 0;
};

}  // namespace lintra::midi

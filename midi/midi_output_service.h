// The output side of a MIDI service: devices that play short and long
// messages.  Device -1 (kMidiMapper) is valid for caps and open.
#pragma once

#include <cstdint>
#include <string>

#include "midi/device_types.h"
#include "midi/long_header.h"

namespace lintra::midi {

class MidiOutputService {
 public:
  virtual ~MidiOutputService() = default;

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

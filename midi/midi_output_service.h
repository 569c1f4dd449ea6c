// The output side of a MIDI back end, as narrow as a MIDI library's output
// object: list the ports, open one, send it messages, close it.  The MIDI
// output component reaches it through OutputDeviceAdapter; the window lists
// its ports through it.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "midi/device_types.h"
#include "midi/messages.h"

namespace lintra::midi {

// One open output port.  Destroying it closes it.
class OutputConnection {
 public:
  virtual ~OutputConnection() = default;
  virtual Result Send(ShortMessage message) = 0;
  // A whole system-exclusive message, F0 to F7.
  virtual Result SendSysex(std::span<const std::uint8_t> bytes) = 0;
  // After a successful close the connection is only destroyed.  A failed one
  // leaves it open, unless the code is kErrDeviceGone: the port has gone.
  virtual Result Close() = 0;
};

class MidiOutputService {
 public:
  virtual ~MidiOutputService() = default;
  virtual unsigned OutputCount() = 0;
  // Ports 0 to OutputCount() - 1, and kMidiMapper for a back end's default
  // output where it has one.
  virtual Result DescribeOutput(int port, OutCaps& caps) = 0;
  virtual Result OpenOutput(int port, std::unique_ptr<OutputConnection>& connection) = 0;
};

}  // namespace lintra::midi

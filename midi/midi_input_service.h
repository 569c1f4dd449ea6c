// The input side of a MIDI back end, as narrow as a MIDI library's input
// object: list the ports, open one with a callback, close it.  The MIDI input
// component reaches it through InputDeviceAdapter; the window lists its ports
// through it.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "midi/device_types.h"

namespace lintra::midi {

// The callback of an open input port.
class InputListener {
 public:
  // On the port's own thread, one message at a time: a short message of one
  // to three bytes, or a whole system-exclusive message.  It must not block
  // and must not call the port.
  virtual void Received(std::span<const std::uint8_t> message) noexcept = 0;

 protected:
  ~InputListener() = default;
};

// One open input port.  Destroying it closes it; once a successful close or
// the destructor has returned, the listener is called no more.
class InputConnection {
 public:
  virtual ~InputConnection() = default;
  // A failed close leaves the port open, unless the code is kErrDeviceGone:
  // the port has gone.
  virtual Result Close() = 0;
};

class MidiInputService {
 public:
  virtual ~MidiInputService() = default;
  virtual unsigned InputCount() = 0;
  virtual Result DescribeInput(unsigned port, InCaps& caps) = 0;
  // `listener` must outlive the connection.
  virtual Result OpenInput(unsigned port, InputListener& listener, std::unique_ptr<InputConnection>& connection) = 0;
};

}  // namespace lintra::midi

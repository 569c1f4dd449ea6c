// A platform without MIDI ports: what the program has when its ports module
// cannot be loaded. Nothing is listed, so nothing can be opened.
#pragma once

#include "midi/midi_service.h"

namespace lintra::midi {

class NoPortsService final : public MidiService {
 public:
  unsigned OutputCount() override { return 0; }
  Result DescribeOutput(int, OutCaps&) override { return kErrBadDeviceId; }
  Result OpenOutput(int, std::unique_ptr<OutputConnection>&) override { return kErrBadDeviceId; }

  unsigned InputCount() override { return 0; }
  Result DescribeInput(unsigned, InCaps&) override { return kErrBadDeviceId; }
  Result OpenInput(unsigned, InputListener&, std::unique_ptr<InputConnection>&) override { return kErrBadDeviceId; }
};

}  // namespace lintra::midi

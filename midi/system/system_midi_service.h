#pragma once

#include <functional>
#include <memory>

#include "midi/midi_service.h"

namespace lintra::midi {

struct SystemMidi {
  std::unique_ptr<MidiService> service;
  // Starts reaching the platform's MIDI ports, on a thread of their own. Until then the service
  // lists no ports but the synthesizer: call it before the devices are counted for good.
  std::function<void()> reach;
};

// The program's default: the platform's MIDI ports with `synth` after them.
SystemMidi MakeSystemMidiService(std::unique_ptr<MidiOutputService> synth);

}  // namespace lintra::midi

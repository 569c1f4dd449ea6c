#pragma once

#include <memory>

#include "midi/midi_service.h"

namespace lintra::midi {

// The program's default: the platform's MIDI ports, reached on a thread of
// their own from now on, with `synth` after them.
std::unique_ptr<MidiService> MakeSystemMidiService(std::unique_ptr<MidiOutputService> synth);

}  // namespace lintra::midi

#pragma once

#include <functional>
#include <memory>
#include <string>

#include "midi/key_range.h"
#include "midi/midi_service.h"

namespace lintra::midi {

// The program's default: the platform's MIDI ports plus the built-in
// synthesizer, which needs to sound only the notes in `keys`.  `onSilentSynth`
// learns, on the synthesizer's loading thread, why it will not sound
// (SynthService::OnLoaded); it is not called when it does.
std::unique_ptr<MidiService> MakeSystemMidiService(std::function<void(const std::string&)> onSilentSynth = {},
                                                   KeyRange keys = {});

}  // namespace lintra::midi

// The contract between the program and its synthesizer module, the shared
// object that holds the built-in synthesizer with FluidSynth and the many
// libraries FluidSynth needs. The program loads it on a thread of its own
// while the window is built, so those libraries are not loaded, relocated and
// initialized before the window can start.
//
// Program and module are built together from one source tree: the entry
// passes C++ objects, and its name carries a version that changes whenever
// its signature does, so that a stale module is refused, not misread.
#pragma once

#include <functional>
#include <string>

#include "midi/key_range.h"
#include "midi/midi_output_service.h"

namespace lintra::midi {

// Makes the built-in synthesizer; the caller owns the result. It needs to
// sound only the notes in `keys`. `onSilentSynth` (may be empty) learns, on
// the synthesizer's loading thread, why it will not sound; it is not called
// when it does.
using MakeModuleSynth = MidiOutputService* (*)(const std::function<void(const std::string&)>& onSilentSynth,
                                               KeyRange keys);

inline constexpr const char* kModuleEntryName = "lintra_make_synth_v1";
inline constexpr const char* kModuleFileName = "lintra-synth.so";

}  // namespace lintra::midi

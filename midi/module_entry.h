// The contract between the program and its two modules, the shared objects
// that hold its back ends with the libraries they need: the built-in
// synthesizer (FluidSynth and the many libraries it brings) and the
// platform's MIDI ports (RtMidi, with ALSA and JACK). The program loads each
// when it first needs it, after its window has been painted, so those
// libraries are not loaded, relocated and initialized before the window can
// start.
//
// Program and modules are built together from one source tree: the entries
// pass C++ objects, and their names carry a version that changes whenever
// their signatures do, so that a stale module is refused, not misread.
#pragma once

#include <functional>
#include <string>

#include "midi/key_range.h"
#include "midi/midi_output_service.h"
#include "midi/midi_service.h"
#include "midi/module_export.h"

namespace lintra::midi {

// Makes the built-in synthesizer; the caller owns the result. It needs to
// sound only the notes in `keys`. `onSilentSynth` (may be empty) learns, on
// the synthesizer's loading thread, why it will not sound; it is not called
// when it does.
using MakeModuleSynth = MidiOutputService* (*)(const std::function<void(const std::string&)>& onSilentSynth,
                                               KeyRange keys);

inline constexpr const char* kModuleEntryName = "lintra_make_synth_v2";
inline constexpr const char* kModuleFileName = "lintra-synth" LINTRA_MODULE_SUFFIX;

// Makes the service of the platform's MIDI ports; the caller owns the result.
using MakeModulePorts = MidiService* (*)();

inline constexpr const char* kPortsEntryName = "lintra_make_ports_v2";
inline constexpr const char* kPortsModuleFileName = "lintra-ports" LINTRA_MODULE_SUFFIX;

}  // namespace lintra::midi

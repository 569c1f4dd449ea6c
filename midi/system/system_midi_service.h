#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "midi/loader/module_library.h"
#include "midi/midi_service.h"

namespace lintra::midi {

struct SystemMidi {
  std::unique_ptr<MidiService> service;
  // Lets the service reach the platform's MIDI ports at its next call. Until then it lists no ports
  // but the synthesizer: call it before the devices are counted for good.
  std::function<void()> reach;
  // Reaches the ports if need be and tells where their module came from, or why there is none
  // (the service then lists no ports).
  std::function<ModuleLoad()> portsModule;
};

// The program's default: the platform's MIDI ports, from the first of `portsModules` that exists,
// with `synth` after them.
SystemMidi MakeSystemMidiService(std::unique_ptr<MidiOutputService> synth,
                                 std::vector<std::filesystem::path> portsModules);

}  // namespace lintra::midi

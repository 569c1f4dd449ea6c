// The platform's MIDI ports, from the ports module (midi/module_entry.h).
#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "midi/loader/module_library.h"
#include "midi/midi_service.h"

namespace lintra::midi {

struct ModulePorts {
  std::unique_ptr<MidiService> service;  // without a usable module, one that has no ports
  ModuleLoad load;
};

// Loads the first of `candidates` that exists and makes its service.
ModulePorts LoadModulePorts(const std::vector<std::filesystem::path>& candidates);

}  // namespace lintra::midi

#include "midi/loader/module_ports.h"

#include <exception>

#include "midi/module_entry.h"
#include "midi/no_ports_service.h"

namespace lintra::midi {

ModulePorts LoadModulePorts(const std::vector<std::filesystem::path>& candidates) {
  ModuleEntry opened = OpenModule(candidates, kPortsModuleFileName, kPortsEntryName, "ports module");
  if (opened.entry) {
    try {
      auto* make = reinterpret_cast<MakeModulePorts>(opened.entry);
      return {std::unique_ptr<MidiService>(make()), opened.load};
    } catch (const std::exception& error) {
      opened.load = {{}, opened.load.path + " failed to start: " + error.what()};
    }
  }
  return {std::make_unique<NoPortsService>(), opened.load};
}

}  // namespace lintra::midi

#include "midi/system/system_midi_service.h"

#include <cstdio>

#include "midi/composite_service.h"
#include "midi/deferred_service.h"
#include "midi/loader/module_ports.h"

namespace lintra::midi {

SystemMidi MakeSystemMidiService(std::unique_ptr<MidiOutputService> synth,
                                 std::vector<std::filesystem::path> portsModules) {
  auto load = std::make_shared<ModuleLoad>();  // written when the ports are made
  auto platform = std::make_unique<DeferredMidiService>([load, candidates = std::move(portsModules)] {
    ModulePorts ports = LoadModulePorts(candidates);
    *load = ports.load;
    if (ports.load.path.empty()) std::fprintf(stderr, "lintra: no MIDI ports: %s\n", ports.load.problem.c_str());
    return std::move(ports.service);
  });
  DeferredMidiService* deferred = platform.get();
  return {std::make_unique<CompositeMidiService>(std::move(platform), std::move(synth)),
          [deferred] { deferred->Reach(); },
          [deferred, load] {
            deferred->Reach();
            deferred->InputCount();  // makes the ports if need be
            return *load;
          }};
}

}  // namespace lintra::midi

#include "midi/system/system_midi_service.h"

#include <cstdio>

#include "midi/composite_service.h"
#include "midi/deferred_service.h"
#include "midi/loader/module_ports.h"

namespace lintra::midi {

SystemMidi MakeSystemMidiService(std::unique_ptr<MidiOutputService> synth,
                                 std::vector<std::filesystem::path> portsModules) {
  auto load = std::make_shared<ModuleLoad>();  // written on the ports' thread before they are handed over
  auto platform = std::make_unique<DeferredMidiService>([load, candidates = std::move(portsModules)] {
    ModulePorts ports = LoadModulePorts(candidates);
    *load = ports.load;
    if (ports.load.path.empty()) std::fprintf(stderr, "lintra: no MIDI ports: %s\n", ports.load.problem.c_str());
    // Counted here first, a JACK that has no server costs its failed try on this thread, and the
    // window's own count, within the second the service waits before trying again, answers at once.
    ports.service->OutGetNumDevs();
    ports.service->InGetNumDevs();
    return std::move(ports.service);
  });
  DeferredMidiService* deferred = platform.get();
  return {std::make_unique<CompositeMidiService>(std::move(platform), std::move(synth)),
          [deferred] { deferred->Reach(); },
          [deferred, load] {
            deferred->Reach();
            deferred->InGetNumDevs();  // waits until the ports are made
            return *load;
          }};
}

}  // namespace lintra::midi

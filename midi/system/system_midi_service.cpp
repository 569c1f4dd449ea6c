#include "midi/system/system_midi_service.h"

#include "midi/composite_service.h"
#include "midi/deferred_service.h"
#include "midi/rtmidi/rtmidi_service.h"

namespace lintra::midi {

SystemMidi MakeSystemMidiService(std::unique_ptr<MidiOutputService> synth) {
  auto platform = std::make_unique<DeferredMidiService>([] {
    auto ports = std::make_unique<RtMidiService>();
    // Counted here first, a JACK that has no server costs its failed try on this thread, and the
    // window's own count, within the second the service waits before trying again, answers at once.
    ports->OutGetNumDevs();
    ports->InGetNumDevs();
    return ports;
  });
  DeferredMidiService* deferred = platform.get();
  return {std::make_unique<CompositeMidiService>(std::move(platform), std::move(synth)),
          [deferred] { deferred->Reach(); }};
}

}  // namespace lintra::midi

#include "midi/system/system_midi_service.h"

#include "midi/composite_service.h"
#include "midi/deferred_service.h"
#include "midi/rtmidi/rtmidi_service.h"

namespace lintra::midi {

std::unique_ptr<MidiService> MakeSystemMidiService(std::unique_ptr<MidiOutputService> synth) {
  // The platform's MIDI system is reached in the background.
  return std::make_unique<CompositeMidiService>(std::make_unique<DeferredMidiService>([] {
                                                  auto platform = std::make_unique<RtMidiService>();
                                                  // The window counts the devices as it is built. Counted here
                                                  // first, a JACK that has no server costs its failed try on this
                                                  // thread, and the window's own count, within the second the
                                                  // service waits before trying again, answers at once.
                                                  platform->OutGetNumDevs();
                                                  platform->InGetNumDevs();
                                                  return platform;
                                                }),
                                                std::move(synth));
}

}  // namespace lintra::midi

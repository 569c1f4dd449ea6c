#include "midi/system/system_midi_service.h"

#include "midi/composite_service.h"
#include "midi/deferred_service.h"
#include "midi/rtmidi/rtmidi_service.h"
#include "midi/synth/synth_service.h"

namespace lintra::midi {

std::unique_ptr<MidiService> MakeSystemMidiService(std::function<void(const std::string&)> onSilentSynth,
                                                   KeyRange keys) {
  // The platform's MIDI system is reached in the background; the
  // synthesizer starts when it is first opened.
  SynthOptions options;
  options.keys = keys;
  auto synth = std::make_unique<SynthService>(std::move(options));
  if (onSilentSynth) {
    synth->OnLoaded([hook = std::move(onSilentSynth)](const std::string& silence) {
      if (!silence.empty()) hook(silence);
    });
  }
  return std::make_unique<CompositeMidiService>(
      std::make_unique<DeferredMidiService>([] {
        auto platform = std::make_unique<RtMidiService>();
        // The window counts the devices as it is built. Counted here first, a JACK that has no
        // server costs its failed try on this thread, and the window's own count, within the
        // second the service waits before trying again, answers at once.
        platform->OutGetNumDevs();
        platform->InGetNumDevs();
        return platform;
      }),
      std::move(synth));
}

}  // namespace lintra::midi

// The synthesizer module's one exported symbol (midi/module_entry.h).
#include "midi/module_entry.h"

#include <type_traits>

#include "midi/synth/synth_service.h"

LINTRA_MODULE_EXPORT lintra::midi::MidiOutputService* lintra_make_synth_v2(
    const std::function<void(const std::string&)>& onSilentSynth, lintra::midi::KeyRange keys) {
  lintra::midi::SynthOptions options;
  options.keys = keys;
  auto synth = std::make_unique<lintra::midi::SynthService>(std::move(options));
  if (onSilentSynth) {
    synth->OnLoaded([onSilentSynth](const std::string& silence) {
      if (!silence.empty()) onSilentSynth(silence);
    });
  }
  return synth.release();
}

// The entry's type is checked against the contract here, where both are known.
static_assert(std::is_same_v<decltype(&lintra_make_synth_v2), lintra::midi::MakeModuleSynth>);

#include "midi/loader/module_synth.h"

#include <exception>
#include <utility>

#include "midi/loader/module_library.h"
#include "midi/module_entry.h"
#include "midi/null_synth_service.h"
#include "midi/synth_caps.h"
#include "theory/marked_text.h"

namespace lintra::midi {

ModuleSynth::ModuleSynth(std::vector<std::filesystem::path> candidates, SilenceHook onSilentSynth, KeyRange keys)
    : candidates_(std::move(candidates)), onSilentSynth_(std::move(onSilentSynth)), keys_(keys) {}

ModuleSynth::Made ModuleSynth::Make() {
  ModuleEntry opened = OpenModule(candidates_, kModuleFileName, kModuleEntryName, "synthesizer module");
  if (opened.entry) {
    try {
      auto* make = reinterpret_cast<MakeModuleSynth>(opened.entry);
      std::function<void(const std::string&)> toldWhy;
      if (onSilentSynth_) toldWhy = [onSilent = onSilentSynth_](const std::string& silence) { onSilent(silence, {}); };
      return {std::unique_ptr<MidiOutputService>(make(toldWhy, keys_)), opened.load};
    } catch (const std::exception& error) {
      opened.load = {{}, opened.load.path + " failed to start: " + error.what()};
    }
  }
  // Without it, the synthesizer takes every message, and when it is first opened the user learns
  // why it stays silent, as from the real one when it has no soundfont.
  auto hook = [onSilent = onSilentSynth_, problem = opened.load.problem] {
    if (onSilent) onSilent(LINTRA_TRANSLATE_NOOP("Messages", "its module could not be loaded: %1"), problem);
  };
  return {std::make_unique<NullSynthService>(std::move(hook)), opened.load};
}

MidiOutputService& ModuleSynth::Get() {
  std::call_once(once_, [this] { made_ = Make(); });
  return *made_.synth;
}

ModuleLoad ModuleSynth::Load() {
  Get();
  return made_.load;
}

Result ModuleSynth::DescribeOutput(int port, OutCaps& caps) {
  if (port != 0 && port != kMidiMapper) return kErrBadDeviceId;
  caps = BuiltInSynthCaps(LINTRA_SYNTH_DRIVER_VERSION);
  return kOk;
}

}  // namespace lintra::midi

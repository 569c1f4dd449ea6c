// The built-in synthesizer, from the synthesizer module (midi/module_entry.h).
//
// The module is loaded by the first call that needs the synthesizer, which
// the window makes once it is shown, when it opens its output: until then
// nothing of FluidSynth's competes with the window's start. The device's
// record is known without the module, so the window can read it as it is
// built. Without a usable module the program still runs: the synthesizer
// takes every message, and when it is first opened it says why it stays
// silent.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "midi/key_range.h"
#include "midi/loader/module_library.h"
#include "midi/midi_output_service.h"

namespace lintra::midi {

class ModuleSynth final : public MidiOutputService {
 public:
  // Why the synthesizer is silent: a text marked for translation, "%1" in it standing for `detail`.
  using SilenceHook = std::function<void(const std::string& silence, const std::string& detail)>;
  // The first of `candidates` that exists is loaded. `keys` are the synthesizer's, and so is
  // `onSilentSynth` (MakeModuleSynth) once the module is loaded.
  ModuleSynth(std::vector<std::filesystem::path> candidates, SilenceHook onSilentSynth, KeyRange keys);
  // Where the module was loaded from, or why not; loads it if need be.
  ModuleLoad Load();

  unsigned OutputCount() override { return 1; }
  Result DescribeOutput(int port, OutCaps& caps) override;
  Result OpenOutput(int port, std::unique_ptr<OutputConnection>& connection) override {
    return Get().OpenOutput(port, connection);
  }

 private:
  struct Made {
    std::unique_ptr<MidiOutputService> synth;
    ModuleLoad load;
  };
  Made Make();
  MidiOutputService& Get();

  std::vector<std::filesystem::path> candidates_;
  SilenceHook onSilentSynth_;
  const KeyRange keys_;
  std::once_flag once_;
  Made made_;
};

}  // namespace lintra::midi

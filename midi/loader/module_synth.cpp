#include "midi/loader/module_synth.h"

#include <dlfcn.h>

#include <exception>
#include <system_error>
#include <utility>

#include "midi/module_entry.h"
#include "midi/null_synth_service.h"
#include "midi/synth_caps.h"

namespace lintra::midi {
namespace {

struct Opened {
  MakeModuleSynth make = nullptr;
  ModuleLoad load;
};

Opened Open(const std::vector<std::filesystem::path>& candidates) {
  for (const auto& path : candidates) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) continue;
    // Never closed: the synthesizer's threads run the module's code until the program ends.
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
      const char* why = dlerror();
      return {nullptr, {{}, why ? why : path.string() + " could not be loaded"}};
    }
    auto* make = reinterpret_cast<MakeModuleSynth>(dlsym(module, kModuleEntryName));
    if (!make) return {nullptr, {{}, path.string() + " is not this program's synthesizer module"}};
    return {make, {path.string(), {}}};
  }
  std::string tried;
  for (const auto& path : candidates) tried += (tried.empty() ? "" : ", ") + path.string();
  return {nullptr, {{}, "there is no " + std::string(kModuleFileName) + " (looked for " + tried + ")"}};
}

}  // namespace

ModuleSynth::ModuleSynth(std::vector<std::filesystem::path> candidates,
                         std::function<void(const std::string&)> onSilentSynth, KeyRange keys)
    : candidates_(std::move(candidates)), onSilentSynth_(std::move(onSilentSynth)), keys_(keys) {}

ModuleSynth::Made ModuleSynth::Make() {
  Opened opened = Open(candidates_);
  if (opened.make) {
    try {
      return {std::unique_ptr<MidiOutputService>(opened.make(onSilentSynth_, keys_)), opened.load};
    } catch (const std::exception& error) {
      opened.load = {{}, opened.load.path + " failed to start: " + error.what()};
    }
  }
  // Without it, the synthesizer takes every message, and when it is first opened the user learns
  // why it stays silent, as from the real one when it has no soundfont.
  auto hook = [onSilent = onSilentSynth_, silence = "its module could not be loaded: " + opened.load.problem] {
    if (onSilent) onSilent(silence);
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

Result ModuleSynth::OutGetDevCaps(int id, OutCaps& caps) {
  if (id != 0 && id != kMidiMapper) return kErrBadDeviceId;
  caps = BuiltInSynthCaps(LINTRA_SYNTH_DRIVER_VERSION);
  return kOk;
}

Result ModuleSynth::OutOpen(DeviceHandle& handle, int id, Callback callback, std::uintptr_t instance) {
  return Get().OutOpen(handle, id, callback, instance);
}
Result ModuleSynth::OutClose(DeviceHandle handle) { return Get().OutClose(handle); }
Result ModuleSynth::OutShortMsg(DeviceHandle handle, std::uint32_t packed) {
  return Get().OutShortMsg(handle, packed);
}
Result ModuleSynth::OutPrepareHeader(DeviceHandle handle, LongHeader* header) {
  return Get().OutPrepareHeader(handle, header);
}
Result ModuleSynth::OutLongMsg(DeviceHandle handle, LongHeader* header) { return Get().OutLongMsg(handle, header); }
Result ModuleSynth::OutUnprepareHeader(DeviceHandle handle, LongHeader* header) {
  return Get().OutUnprepareHeader(handle, header);
}
Result ModuleSynth::OutGetErrorText(Result code, std::string& text) { return Get().OutGetErrorText(code, text); }

}  // namespace lintra::midi

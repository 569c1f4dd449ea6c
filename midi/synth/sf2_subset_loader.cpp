#include "midi/synth/sf2_subset_loader.h"

#include <cstdio>
#include <mutex>
#include <set>
#include <string_view>

namespace lintra::midi {
namespace {

constexpr std::string_view kPrefix = "lintra-sf2-subset:";

// The open callback has nothing but the name to go by: the name carries the
// Sf2Subsets' address, used only while it is registered here.
std::mutex& RegistryMutex() {
  static std::mutex mutex;
  return mutex;
}
std::set<const Sf2Subsets*>& Registry() {
  static std::set<const Sf2Subsets*> live;
  return live;
}

void* Open(const char* filename) {
  const std::string_view name(filename ? filename : "");
  if (name.substr(0, kPrefix.size()) != kPrefix) return nullptr;
  unsigned long long address = 0;
  int program = -1;
  if (std::sscanf(filename + kPrefix.size(), "%llx:%d", &address, &program) != 2 || program < 0 || program > 127)
    return nullptr;
  std::lock_guard lock(RegistryMutex());
  const auto* subsets = reinterpret_cast<const Sf2Subsets*>(static_cast<std::uintptr_t>(address));
  if (!Registry().count(subsets)) return nullptr;
  std::string tables = subsets->Subset(program);
  if (tables.empty()) return nullptr;
  return new Sf2Subsets::Reader(*subsets, std::move(tables));
}

int Read(void* buffer, fluid_long_long_t count, void* handle) {
  return static_cast<Sf2Subsets::Reader*>(handle)->Read(buffer, count) ? FLUID_OK : FLUID_FAILED;
}
int Seek(void* handle, fluid_long_long_t offset, int origin) {
  return static_cast<Sf2Subsets::Reader*>(handle)->Seek(offset, origin) ? FLUID_OK : FLUID_FAILED;
}
fluid_long_long_t Tell(void* handle) { return static_cast<Sf2Subsets::Reader*>(handle)->Tell(); }
int Close(void* handle) {
  delete static_cast<Sf2Subsets::Reader*>(handle);
  return FLUID_OK;
}

}  // namespace

fluid_sfloader_t* NewSubsetLoader(fluid_settings_t* settings) {
  fluid_sfloader_t* loader = new_fluid_defsfloader(settings);
  if (loader) fluid_sfloader_set_callbacks(loader, Open, Read, Seek, Tell, Close);
  return loader;
}

void Remember(const Sf2Subsets& subsets) {
  std::lock_guard lock(RegistryMutex());
  Registry().insert(&subsets);
}

void Forget(const Sf2Subsets& subsets) {
  std::lock_guard lock(RegistryMutex());
  Registry().erase(&subsets);
}

std::string SubsetName(const Sf2Subsets& subsets, int program) {
  char name[64];
  std::snprintf(name, sizeof name, "%s%llx:%d", kPrefix.data(),
                static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(&subsets)), program);
  return name;
}

}  // namespace lintra::midi

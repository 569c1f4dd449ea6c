#include "midi/loader/module_library.h"

#include <dlfcn.h>

#include <system_error>

namespace lintra::midi {

ModuleEntry OpenModule(const std::vector<std::filesystem::path>& candidates, const std::string& fileName,
                       const char* entryName, const std::string& what) {
  for (const auto& path : candidates) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) continue;
    // Never closed: the back ends' threads run the module's code until the program ends.
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
      const char* why = dlerror();
      return {nullptr, {{}, why ? why : path.string() + " could not be loaded"}};
    }
    void* entry = dlsym(module, entryName);
    if (!entry) return {nullptr, {{}, path.string() + " is not this program's " + what}};
    return {entry, {path.string(), {}}};
  }
  std::string tried;
  for (const auto& path : candidates) tried += (tried.empty() ? "" : ", ") + path.string();
  return {nullptr, {{}, "there is no " + fileName + " (looked for " + tried + ")"}};
}

}  // namespace lintra::midi

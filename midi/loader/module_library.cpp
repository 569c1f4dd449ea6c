#include "midi/loader/module_library.h"

#include <system_error>

#include "midi/loader/shared_library.h"

namespace lintra::midi {

ModuleEntry OpenModule(const std::vector<std::filesystem::path>& candidates, const std::string& fileName,
                       const char* entryName, const std::string& what) {
  for (const auto& path : candidates) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) continue;
    const LibrarySymbol found = OpenLibrarySymbol(path, entryName);
    if (!found.opened)
      return {nullptr, {{}, found.problem.empty() ? path.string() + " could not be loaded" : found.problem}};
    if (!found.address) return {nullptr, {{}, path.string() + " is not this program's " + what}};
    return {found.address, {path.string(), {}}};
  }
  std::string tried;
  for (const auto& path : candidates) tried += (tried.empty() ? "" : ", ") + path.string();
  return {nullptr, {{}, "there is no " + fileName + " (looked for " + tried + ")"}};
}

}  // namespace lintra::midi

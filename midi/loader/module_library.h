// Finding and opening one of the program's modules (midi/module_entry.h).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace lintra::midi {

struct ModuleLoad {
  std::string path;     // the module in use; empty when none could be loaded
  std::string problem;  // otherwise why not
};

struct ModuleEntry {
  void* entry = nullptr;  // the exported `entryName`; null when the module could not be used
  ModuleLoad load;
};

// Opens the first of `candidates` that exists and looks up `entryName` in it. `fileName` and `what`
// ("synthesizer module") name the module in the problems told.
ModuleEntry OpenModule(const std::vector<std::filesystem::path>& candidates, const std::string& fileName,
                       const char* entryName, const std::string& what);

}  // namespace lintra::midi

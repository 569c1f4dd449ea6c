// Opening a shared library for good and looking up one symbol in it: the part
// of loading a module that each platform does its own way. CMake builds
// shared_library_posix.cpp or shared_library_windows.cpp.
#pragma once

#include <filesystem>
#include <string>

namespace lintra::midi {

struct LibrarySymbol {
  bool opened = false;
  void* address = nullptr;  // null when the library has no such symbol
  std::string problem;      // why it could not be opened, when the platform says
};

// The library is never closed: the back ends' threads run its code until the program ends.
LibrarySymbol OpenLibrarySymbol(const std::filesystem::path& path, const char* symbol);

}  // namespace lintra::midi

#include <windows.h>

#include "midi/loader/shared_library.h"

namespace lintra::midi {

LibrarySymbol OpenLibrarySymbol(const std::filesystem::path& path, const char* symbol) {
  const HMODULE library = LoadLibraryW(path.c_str());
  if (!library)
    return {false, nullptr, path.string() + " could not be loaded (error " + std::to_string(GetLastError()) + ")"};
  return {true, reinterpret_cast<void*>(GetProcAddress(library, symbol)), {}};
}

}  // namespace lintra::midi

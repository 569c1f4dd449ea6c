#include <dlfcn.h>

#include "midi/loader/shared_library.h"

namespace lintra::midi {

LibrarySymbol OpenLibrarySymbol(const std::filesystem::path& path, const char* symbol) {
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    const char* why = dlerror();
    return {false, nullptr, why ? why : ""};
  }
  return {true, dlsym(library, symbol), {}};
}

}  // namespace lintra::midi

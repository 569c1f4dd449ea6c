// How a module of the program is named and what it exports, on each
// platform: its file ends as CMake ends a loadable module's, and its entry is
// the one symbol it exports.
#pragma once

#if defined(_WIN32)
#define LINTRA_MODULE_SUFFIX ".dll"
#define LINTRA_MODULE_EXPORT extern "C" __declspec(dllexport)
#else
#define LINTRA_MODULE_SUFFIX ".so"
#define LINTRA_MODULE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// The last step of a safe save, which each platform takes its own way: the
// file written beside the target reaches the disk, then takes the target's
// place in one step, so a crash leaves the old file or the whole new one.
// CMake builds durable_file_posix.cpp or durable_file_windows.cpp.
#pragma once

#include <filesystem>
#include <system_error>

namespace lintra::app {

// Flushes `written` to the disk and renames it over `target`.
std::error_code ReplaceDurably(const std::filesystem::path& written, const std::filesystem::path& target);

}  // namespace lintra::app

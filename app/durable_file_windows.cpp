#include <windows.h>

#include "app/durable_file.h"

namespace lintra::app {

std::error_code ReplaceDurably(const std::filesystem::path& written, const std::filesystem::path& target) {
  const HANDLE file =
      CreateFileW(written.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    FlushFileBuffers(file);
    CloseHandle(file);
  }
  if (!MoveFileExW(written.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return {static_cast<int>(GetLastError()), std::system_category()};
  return {};
}

}  // namespace lintra::app

#include <fcntl.h>
#include <unistd.h>

#include "app/durable_file.h"

namespace lintra::app {

std::error_code ReplaceDurably(const std::filesystem::path& written, const std::filesystem::path& target) {
  if (const int fd = ::open(written.c_str(), O_RDONLY); fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
  std::error_code error;
  std::filesystem::rename(written, target, error);  // rename(2) replaces in one step
  return error;
}

}  // namespace lintra::app

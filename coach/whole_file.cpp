#include "coach/whole_file.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace lintra::coach {
namespace {

// Less free room than this where a write failed: the disk is full, whatever the error said.
constexpr std::uintmax_t kNearlyFull = 64 * 1024;

bool NoRoom(int error, const std::filesystem::path& folder) {
  if (error == ENOSPC || error == EFBIG) return true;
#ifdef EDQUOT
  if (error == EDQUOT) return true;
#endif
  std::error_code failed;
  const auto space = std::filesystem::space(folder.empty() ? "." : folder, failed);
  return !failed && space.available < kNearlyFull;
}

}  // namespace

Saved SaveWhole(const std::filesystem::path& target, const std::function<bool(std::ostream&)>& write) {
  const auto part = std::filesystem::path(target).concat(".part");
  bool read = true;
  bool written = false;
  int error = 0;
  {
    std::ofstream out(part, std::ios::binary | std::ios::trunc);
    if (!out) return Saved::CannotWrite;
    errno = 0;
    read = write(out);
    out.flush();
    error = errno;  // what stopped the write, before closing may change it
    written = static_cast<bool>(out);
    out.close();
    written = written && !out.fail();
  }
  std::error_code ignored;
  if (written && read) {
    std::error_code moved;
    std::filesystem::rename(part, target, moved);
    if (!moved) return Saved::Whole;
  }
  std::filesystem::remove(part, ignored);
  if (!written) return NoRoom(error, target.parent_path()) ? Saved::DiskFull : Saved::CannotWrite;
  return read ? Saved::CannotWrite : Saved::NotRead;
}

}  // namespace lintra::coach

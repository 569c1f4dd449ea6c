// Saving a file the student chose, such as an exported journal: written beside its place and put
// there only once whole, so that a failure leaves no empty or partial file, and a file that had
// the name before stays as it was.
#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>

namespace lintra::coach {

enum class Saved {
  Whole,
  DiskFull,     // no room for it (a full disk, or a file larger than the disk takes)
  CannotWrite,  // the folder is missing or may not be written
  NotRead,      // `write` gave false: what it was to write could not be read
};

Saved SaveWhole(const std::filesystem::path& target, const std::function<bool(std::ostream&)>& write);

}  // namespace lintra::coach

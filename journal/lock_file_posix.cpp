#include <fcntl.h>
#include <unistd.h>

#include "journal/lock_file.h"

namespace lintra::journal {
namespace {

// Locks of the open file, not of the process: two journals of one process see each other, closing
// one leaves the other's lock alone, and a lock changes from shared to exclusive in one step. Where
// the platform lacks them, the process's own locks serve one journal per process.
#ifdef F_OFD_SETLK
constexpr int kSetLock = F_OFD_SETLK;
#else
constexpr int kSetLock = F_SETLK;
#endif

}  // namespace

LockFile::LockFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd >= 0) handle_ = fd;
}

LockFile::~LockFile() {
  if (Usable()) ::close(static_cast<int>(handle_));  // releases the lock
}

bool LockFile::Try(Mode mode) {
  if (!Usable()) return false;
  struct flock lock {};
  lock.l_type = mode == Mode::Exclusive ? F_WRLCK : mode == Mode::Shared ? F_RDLCK : F_UNLCK;
  lock.l_whence = SEEK_SET;
  lock.l_start = 0;
  lock.l_len = 1;
  if (::fcntl(static_cast<int>(handle_), kSetLock, &lock) != 0) return false;
  held_ = mode;
  return true;
}

}  // namespace lintra::journal

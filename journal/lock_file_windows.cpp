#include <windows.h>

#include <filesystem>

#include "journal/lock_file.h"

namespace lintra::journal {
namespace {

HANDLE Handle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

bool Lock(HANDLE file, LockFile::Mode mode) {
  OVERLAPPED at{};
  const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (mode == LockFile::Mode::Exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
  return LockFileEx(file, flags, 0, 1, 0, &at) != 0;
}

void Unlock(HANDLE file) {
  OVERLAPPED at{};
  UnlockFileEx(file, 0, 1, 0, &at);
}

}  // namespace

LockFile::LockFile(const std::string& path) {
  const HANDLE file = CreateFileW(std::filesystem::path(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) handle_ = reinterpret_cast<std::intptr_t>(file);
}

LockFile::~LockFile() {
  if (Usable()) CloseHandle(Handle(handle_));  // releases the lock
}

// Windows changes a lock in two steps: the one held is let go first and taken again when the new
// one cannot be had, so another trainer may slip in between.
bool LockFile::Try(Mode mode) {
  if (!Usable()) return false;
  const HANDLE file = Handle(handle_);
  if (held_ != Mode::None) Unlock(file);
  if (mode == Mode::None || Lock(file, mode)) {
    held_ = mode;
    return true;
  }
  if (held_ != Mode::None && !Lock(file, held_)) held_ = Mode::None;
  return false;
}

}  // namespace lintra::journal

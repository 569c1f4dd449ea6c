// A full disk as SQLite meets it: while `full` is set, every write of a file the journal opens
// fails with SQLITE_FULL, as when the disk has no room left; clearing it makes room again. SQLite's
// own means (a file system of its own, installed as the default) rather than a disk that needs
// mounting, so that it runs the same on any machine and for any user.
#pragma once

#include <sqlite3.h>

#include <array>
#include <atomic>
#include <utility>

namespace lintra::journal::test {

// The base file system's methods, with writes that fail while the disk is full.
struct FullDiskMethods {
  const sqlite3_io_methods* base;
  sqlite3_io_methods full;
};

class FullDisk {
 public:
  FullDisk() {
    static const bool installed = Install();
    (void)installed;
  }
  ~FullDisk() { full = false; }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

  static inline std::atomic<bool> full{false};

 private:
  // One for each table the base gives out.
  static inline std::array<FullDiskMethods, 4> methods_{};
  static inline sqlite3_vfs vfs_{};
  static inline sqlite3_vfs* base_ = nullptr;

  static int Write(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset) {
    if (full) return SQLITE_FULL;
    for (const FullDiskMethods& m : methods_) {
      if (&m.full == file->pMethods) return m.base->xWrite(file, data, amount, offset);
    }
    return SQLITE_IOERR_WRITE;
  }
  static int Open(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    const int rc = base_->xOpen(base_, name, file, flags, outFlags);
    if (rc != SQLITE_OK || file->pMethods == nullptr) return rc;
    for (FullDiskMethods& m : methods_) {
      if (m.base == nullptr) {
        m.base = file->pMethods;
        m.full = *file->pMethods;
        m.full.xWrite = Write;
      }
      if (m.base == file->pMethods) {
        file->pMethods = &m.full;
        break;
      }
    }
    return rc;
  }
  static bool Install() {
    base_ = sqlite3_vfs_find(nullptr);
    vfs_ = *base_;
    vfs_.zName = "lintra-full-disk";
    vfs_.pNext = nullptr;
    vfs_.xOpen = Open;
    return sqlite3_vfs_register(&vfs_, 1) == SQLITE_OK;
  }
};

}  // namespace lintra::journal::test

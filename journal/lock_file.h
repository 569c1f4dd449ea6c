// The lock each trainer holds on a small file beside its journal, for as long as it keeps the
// journal: shared while it practises, exclusive only to reset. A trainer that cannot take it
// exclusively knows that another one has the journal open. The platform's part, like the device
// settings' durable save: CMake builds lock_file_posix.cpp or lock_file_windows.cpp.
#pragma once

#include <cstdint>
#include <string>

namespace lintra::journal {

class LockFile {
 public:
  enum class Mode { None, Shared, Exclusive };

  // Opens `path`, making it if need be; Usable() says whether it could.
  explicit LockFile(const std::string& path);
  ~LockFile();
  LockFile(const LockFile&) = delete;
  LockFile& operator=(const LockFile&) = delete;

  bool Usable() const { return handle_ != kNoHandle; }
  // Takes the lock in `mode` in place of the one held, without waiting. False when another
  // holder's lock stands in the way; the lock held before is then still held.
  bool Try(Mode mode);
  Mode Held() const { return held_; }

 private:
  static constexpr std::intptr_t kNoHandle = -1;
  std::intptr_t handle_ = kNoHandle;
  Mode held_ = Mode::None;
};

}  // namespace lintra::journal

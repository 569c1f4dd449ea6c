#include "journal/journal.h"

#include <sqlite3.h>

#include <chrono>
#include <thread>

#include "journal/schema.h"
#include "journal/statement.h"

namespace lintra::journal {
namespace {

bool IsDamage(int rc) { return (rc & 0xff) == SQLITE_CORRUPT || (rc & 0xff) == SQLITE_NOTADB; }
bool IsBusy(int rc) { return (rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED; }

std::int64_t NowUtcMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

// Tries `attempt` until it gives true or `timeoutMs` have passed.
template <typename F>
bool Retry(int timeoutMs, F&& attempt) {
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!attempt()) {
    if (std::chrono::steady_clock::now() >= giveUp) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

// SQLite answers a change of journal mode that meets another connection's lock with "busy" at
// once, without its busy handler: two trainers opening a new journal together would otherwise
// send one of them to memory.
int SwitchToWal(sqlite3* db, int timeoutMs) {
  int rc = SQLITE_OK;
  Retry(timeoutMs, [&] {
    Statement wal(db, "PRAGMA journal_mode=WAL");
    rc = wal.step();
    return !IsBusy(rc);
  });
  return rc;
}

// Whether the file this connection has open is no longer the one at its path: another program
// moved it aside.
bool HasMoved(sqlite3* db) {
  int moved = 0;
  return sqlite3_file_control(db, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved != 0;
}

bool CopyDatabase(sqlite3* from, sqlite3* to) {
  sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
  if (backup == nullptr) return false;
  const int rc = sqlite3_backup_step(backup, -1);
  return sqlite3_backup_finish(backup) == SQLITE_OK && rc == SQLITE_DONE;
}

// A journal in a folder that cannot be written can only be read as a file that nothing changes:
// its log index cannot be made beside it.
std::string ImmutableUri(const std::string& path) {
  std::string uri = "file:";
  for (const char c : path) {
    if (c == '?' || c == '#' || c == '%') {
      constexpr const char* kHex = "0123456789ABCDEF";
      uri += {'%', kHex[(c >> 4) & 0xf], kHex[c & 0xf]};
    } else {
      uri += c;
    }
  }
  return uri + "?immutable=1";
}

bool CopyFile(const std::string& path, sqlite3* to) {
  for (const bool immutable : {false, true}) {
    sqlite3* from = nullptr;
    const int flags = SQLITE_OPEN_READONLY | (immutable ? SQLITE_OPEN_URI : 0);
    const bool copied =
        sqlite3_open_v2(immutable ? ImmutableUri(path).c_str() : path.c_str(), &from, flags, nullptr) == SQLITE_OK &&
        CopyDatabase(from, to);
    sqlite3_close(from);
    if (copied) return true;
  }
  return false;
}

}  // namespace

Journal::Journal(std::string path, int busyTimeoutMs)
    : path_(std::move(path)), busyTimeoutMs_(busyTimeoutMs), lock_(path_ + "-lock") {
  // Another trainer holds the lock alone only for the moment of a reset.
  Retry(busyTimeoutMs_, [&] { return !lock_.Usable() || lock_.Try(LockFile::Mode::Shared); });
  if (OthersHaveIt()) Tell({Notice::Kind::Shared, path_, {}});
  if (OpenFile() != SQLITE_OK) {
    if (writable_) Tell({Notice::Kind::HeldInMemory, path_, why_});
    MakeHeldCopy();
  }
}

Journal::~Journal() = default;

void Journal::Tell(Notice notice) {
  const unsigned bit = 1u << static_cast<unsigned>(notice.kind);
  if ((told_ & bit) != 0) return;
  told_ |= bit;
  notices_.push_back(std::move(notice));
}

std::optional<Notice> Journal::TakeNotice() {
  if (notices_.empty()) return std::nullopt;
  Notice first = std::move(notices_.front());
  notices_.erase(notices_.begin());
  return first;
}

bool Journal::OthersHaveIt() {
  if (lock_.Held() != LockFile::Mode::Shared) return false;  // nothing is known of others
  if (!lock_.Try(LockFile::Mode::Exclusive)) return true;
  lock_.Try(LockFile::Mode::Shared);
  return false;
}

int Journal::OpenFile() {
  file_.Close();
  for (int tries = 0; tries < 2; ++tries) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path_.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    why_ = db != nullptr ? sqlite3_errmsg(db) : "out of memory";
    if (rc == SQLITE_OK) {
      sqlite3_busy_timeout(db, busyTimeoutMs_);
      // WAL lets a second trainer read while one writes; NORMAL syncing keeps every committed
      // answer through a crash of the program (only a power cut may lose the last ones).
      rc = SwitchToWal(db, busyTimeoutMs_);
      if (rc == SQLITE_ROW) rc = Execute(db, "PRAGMA synchronous=NORMAL");
      if (rc == SQLITE_OK) rc = Migrate(db, MigrationSteps());
      if (rc != SQLITE_OK) why_ = sqlite3_errmsg(db);
    }
    if (rc == SQLITE_OK) {
      file_ = AnswerStore(db);
      writable_ = true;
      return rc;
    }
    sqlite3_close_v2(db);
    if (IsDamage(rc) && tries == 0) {
      const Moved moved = MoveAside(path_, "damaged", NowUtcMs());
      if (moved.outcome == Moved::Outcome::Moved) {
        Tell({Notice::Kind::DamagedMovedAside, moved.target, why_});
        continue;
      }
    }
    if (rc == SQLITE_MISMATCH) {
      writable_ = false;
      Tell({Notice::Kind::NewerVersion, path_, "the journal was written by a later version"});
    }
    return rc;
  }
  return SQLITE_CANTOPEN;
}

void Journal::MakeHeldCopy() {
  sqlite3* memory = nullptr;
  sqlite3_open(":memory:", &memory);
  // The file's answers come along, so that whatever reads meanwhile reads them all; a later
  // version's file is not read.
  const bool copied = writable_ && (file_.Open() ? CopyDatabase(file_.db(), memory) : CopyFile(path_, memory));
  if (!copied || Migrate(memory, MigrationSteps()) != SQLITE_OK) {
    sqlite3_close(memory);
    sqlite3_open(":memory:", &memory);
    Migrate(memory, MigrationSteps());
  }
  held_ = std::make_unique<AnswerStore>(memory);
  heldCopied_ = 0;
}

int Journal::Save() {
  if (!writable_) return SQLITE_READONLY;
  // Another program moved the file aside (a reset by an older trainer, or by hand): answers go to
  // the journal at its path, never into the backup.
  if (file_.Open() && HasMoved(file_.db())) file_.Close();
  int rc = file_.Open() ? SQLITE_OK : OpenFile();
  if (rc != SQLITE_OK) return rc;
  for (int tries = 0; tries < 3; ++tries) {
    rc = file_.Write(waiting_);
    if (!IsBusy(rc)) break;
  }
  if (IsDamage(rc)) {
    file_.Close();
    const Moved moved = MoveAside(path_, "damaged", NowUtcMs());
    if (moved.outcome == Moved::Outcome::Moved) {
      Tell({Notice::Kind::DamagedMovedAside, moved.target, sqlite3_errstr(rc)});
    }
    rc = OpenFile();
    if (rc == SQLITE_OK) rc = file_.Write(waiting_);
  }
  if (rc != SQLITE_OK && !IsBusy(rc)) why_ = sqlite3_errstr(rc);
  return rc;
}

void Journal::Hold(int rc) {
  // Another program's lock lasts moments: that is no trouble to tell.
  if (!IsBusy(rc) && writable_) Tell({Notice::Kind::HeldInMemory, path_, why_});
  if (!held_) MakeHeldCopy();
  if (held_->Write(std::span(waiting_).subspan(heldCopied_)) == SQLITE_OK) heldCopied_ = waiting_.size();
}

bool Journal::Append(std::span<const AnswerRecord> records) {
  waiting_.insert(waiting_.end(), records.begin(), records.end());
  if ((told_ & (1u << static_cast<unsigned>(Notice::Kind::Shared))) == 0 && OthersHaveIt()) {
    Tell({Notice::Kind::Shared, path_, {}});
  }
  if (waiting_.empty()) return true;
  const int rc = Save();
  if (rc != SQLITE_OK) {
    Hold(rc);
    return false;
  }
  // Every answer is in the file now, once: the copy that held them goes.
  waiting_.clear();
  held_.reset();
  heldCopied_ = 0;
  return true;
}

ResetResult Journal::Reset(std::int64_t nowUtcMs) {
  // Alone with the journal or not at all: a journal another trainer writes is never moved.
  if (lock_.Held() == LockFile::Mode::Shared && !lock_.Try(LockFile::Mode::Exclusive)) {
    return {ResetResult::Outcome::InUse, {}, {}};
  }
  ResetResult result = StartNew(nowUtcMs);
  if (lock_.Held() == LockFile::Mode::Exclusive) lock_.Try(LockFile::Mode::Shared);
  return result;
}

ResetResult Journal::StartNew(std::int64_t nowUtcMs) {
  // Answers given before the reset belong in the backup; a later version's file never takes them,
  // so they go into the new journal instead.
  if (writable_ && !Append(std::span<const AnswerRecord>())) return {ResetResult::Outcome::NotSaved, {}, why_};
  file_.Close();
  const Moved moved = MoveAside(path_, "backup", nowUtcMs);
  ResetResult result{ResetResult::Outcome::Started, moved.target, {}};
  if (moved.outcome == Moved::Outcome::Failed) {
    result = {ResetResult::Outcome::CannotMove, {}, moved.error};
  } else if (OpenFile() != SQLITE_OK) {
    // A new journal that cannot be made (a full disk) leaves no empty file behind: the old one
    // goes back where it was.
    result = {ResetResult::Outcome::CannotStart, {}, why_};
    file_.Close();
    RemoveJournal(path_);
    MoveBack(moved, path_);
  }
  if (result.outcome == ResetResult::Outcome::Started) {
    held_.reset();
    heldCopied_ = 0;
    if (!waiting_.empty()) Append(std::span<const AnswerRecord>());
  } else if (OpenFile() == SQLITE_OK && waiting_.empty()) {
    held_.reset();
  } else if (!held_) {
    MakeHeldCopy();
  }
  return result;
}

}  // namespace lintra::journal

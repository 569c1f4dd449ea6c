#include "journal/journal.h"

#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <system_error>
#include <thread>

#include "journal/answer_columns.h"
#include "journal/schema.h"
#include "journal/statement.h"
#include "journal/utc_text.h"

namespace lintra::journal {
namespace {

bool IsDamage(int rc) { return (rc & 0xff) == SQLITE_CORRUPT || (rc & 0xff) == SQLITE_NOTADB; }
bool IsBusy(int rc) { return (rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED; }

bool Exists(const std::string& file) {
  std::error_code error;
  return std::filesystem::exists(file, error);
}

// False when it could not be moved.
bool Rename(const std::string& from, const std::string& to) {
  std::error_code error;
  std::filesystem::rename(from, to, error);
  return !error;
}

std::int64_t NowUtcMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace

std::string MoveAside(const std::string& path, const std::string& label, std::int64_t utcMs) {
  if (!Exists(path)) return {};
  const std::string base = path + "." + label + "-" + CompactUtc(utcMs);
  std::string target = base;
  for (int n = 2; Exists(target) || Exists(target + "-wal"); ++n) target = base + "-" + std::to_string(n);
  if (!Rename(path, target)) return {};
  // The log may hold committed answers not yet in the main file: it goes with it.
  for (const char* suffix : {"-wal", "-shm"}) {
    if (Exists(path + suffix)) Rename(path + suffix, target + suffix);
  }
  return target;
}

Journal::Journal(std::string path) : path_(std::move(path)) { OpenFile(); }

Journal::~Journal() { Close(); }

void Journal::Close() {
  if (db_ != nullptr) sqlite3_close_v2(db_);
  db_ = nullptr;
  inMemory_ = false;
  names_.clear();
  sessions_.clear();
}

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

namespace {

// SQLite answers a change of journal mode that meets another connection's lock with "busy" at
// once, without its busy handler: two trainers opening a new journal together would otherwise
// send one of them to memory.
int SwitchToWal(sqlite3* db) {
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(Journal::kBusyTimeoutMs);
  for (;;) {
    Statement wal(db, "PRAGMA journal_mode=WAL");
    const int rc = wal.step();
    const int primary = rc & 0xff;
    if ((primary != SQLITE_BUSY && primary != SQLITE_LOCKED) || std::chrono::steady_clock::now() >= giveUp) return rc;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

}  // namespace

bool Journal::OpenFile() {
  for (int tries = 0; tries < 2; ++tries) {
    int rc = sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::string why = db_ != nullptr ? sqlite3_errmsg(db_) : "out of memory";
    if (rc == SQLITE_OK) {
      sqlite3_busy_timeout(db_, kBusyTimeoutMs);
      // WAL lets a second trainer read while one writes; NORMAL syncing keeps every committed
      // answer through a crash of the program (only a power cut may lose the last ones).
      rc = SwitchToWal(db_);
      if (rc == SQLITE_ROW) rc = Execute(db_, "PRAGMA synchronous=NORMAL");
      if (rc == SQLITE_OK) rc = Migrate(db_, MigrationSteps());
      if (rc != SQLITE_OK) why = sqlite3_errmsg(db_);
    }
    if (rc == SQLITE_OK) return true;
    Close();
    if (IsDamage(rc) && tries == 0) {
      const std::string moved = MoveAside(path_, "damaged", NowUtcMs());
      if (!moved.empty()) {
        Tell({Notice::Kind::DamagedMovedAside, moved, why});
        continue;
      }
    }
    if (rc == SQLITE_MISMATCH) {
      Tell({Notice::Kind::NewerVersion, path_, "the journal was written by a later version"});
    }
    OpenMemory(why);
    return false;
  }
  return false;
}

void Journal::OpenMemory(const std::string& why) {
  Close();
  sqlite3_open(":memory:", &db_);
  Migrate(db_, MigrationSteps());
  inMemory_ = true;
  Tell({Notice::Kind::HeldInMemory, path_, why});
}

std::int64_t Journal::NameId(const std::string& text, int* rc) {
  if (auto it = names_.find(text); it != names_.end()) return it->second;
  Statement insert(db_, "INSERT OR IGNORE INTO names(text) VALUES(?1)");
  *rc = insert.bind(1, text).step();
  if (*rc != SQLITE_DONE) return 0;
  Statement find(db_, "SELECT id FROM names WHERE text = ?1");
  *rc = find.bind(1, text).step();
  if (*rc != SQLITE_ROW) return 0;
  *rc = SQLITE_OK;
  return names_[text] = find.integer(0);
}

std::int64_t Journal::SessionId(const AnswerRecord& record, int* rc) {
  if (auto it = sessions_.find(record.sessionId); it != sessions_.end()) return it->second;
  Statement find(db_, "SELECT id FROM sessions WHERE external = ?1");
  *rc = find.bind(1, record.sessionId).step();
  if (*rc == SQLITE_ROW) {
    *rc = SQLITE_OK;
    return sessions_[record.sessionId] = find.integer(0);
  }
  if (*rc != SQLITE_DONE) return 0;
  Statement insert(db_,
                   "INSERT INTO sessions(external, started_ms, first_answer)"
                   " VALUES(?1, ?2, (SELECT coalesce(max(id), 0) + 1 FROM answers))");
  *rc = insert.bind(1, record.sessionId).bind(2, record.wallTimeUtcMs).step();
  if (*rc != SQLITE_DONE) return 0;
  *rc = SQLITE_OK;
  return sessions_[record.sessionId] = sqlite3_last_insert_rowid(db_);
}

int Journal::WriteAll(std::span<const AnswerRecord> records) {
  int rc = Execute(db_, "BEGIN IMMEDIATE");
  if (rc != SQLITE_OK) return rc;
  {
    Statement insert(db_, kInsertAnswerSql);
    rc = insert.prepareCode();
    for (const AnswerRecord& record : records) {
      if (rc != SQLITE_OK) break;
      const std::int64_t session = SessionId(record, &rc);
      const std::int64_t key = rc == SQLITE_OK ? NameId(std::string(theory::Code(record.key)), &rc) : 0;
      const std::int64_t answer = rc == SQLITE_OK ? NameId(record.answerKey, &rc) : 0;
      if (rc != SQLITE_OK) break;
      BindAnswer(insert, record, session, key, answer);
      rc = insert.step();
      insert.reset();
      if (rc == SQLITE_DONE) rc = SQLITE_OK;
    }
  }
  if (rc == SQLITE_OK) rc = Execute(db_, "COMMIT");
  if (rc != SQLITE_OK) {
    Execute(db_, "ROLLBACK");
    // Rows given out inside the rolled-back transaction do not exist.
    names_.clear();
    sessions_.clear();
  }
  return rc;
}

bool Journal::Append(std::span<const AnswerRecord> records) {
  waiting_.insert(waiting_.end(), records.begin(), records.end());
  int rc = SQLITE_OK;
  for (int tries = 0; tries < 3; ++tries) {
    rc = WriteAll(waiting_);
    if (!IsBusy(rc)) break;
  }
  if (IsBusy(rc)) return false;
  if (IsDamage(rc) && !inMemory_) {
    Close();
    const std::string moved = MoveAside(path_, "damaged", NowUtcMs());
    if (!moved.empty()) Tell({Notice::Kind::DamagedMovedAside, moved, sqlite3_errstr(rc)});
    if (OpenFile()) rc = WriteAll(waiting_);
  }
  if (rc != SQLITE_OK && !inMemory_) {
    // A full disk or a folder made read-only: the trainer goes on, the answers stay here.
    OpenMemory(sqlite3_errstr(rc));
    rc = WriteAll(waiting_);
  }
  if (rc != SQLITE_OK) return false;
  waiting_.clear();
  return true;
}

std::string Journal::Reset(std::int64_t nowUtcMs) {
  Close();
  const std::string backup = MoveAside(path_, "backup", nowUtcMs);
  OpenFile();
  return backup;
}

}  // namespace lintra::journal

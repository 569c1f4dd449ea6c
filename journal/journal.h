// One journal file of answers. Opening never fails the caller: a damaged file is moved aside and a
// new one started; a folder that cannot be written keeps the answers in memory. Either way the
// caller is told once, through TakeNotice(). Not thread-safe: JournalWriter owns one on its thread.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "journal/answer.h"
#include "journal/journal_reader.h"

struct sqlite3;

namespace lintra::journal {

struct Notice {
  enum class Kind {
    DamagedMovedAside,  // `file` is where the damaged journal now is; a new one was started
    HeldInMemory,       // the journal cannot be written; this run's answers are kept in memory
    NewerVersion,       // a later version of the program wrote the file; it is left untouched
  };
  Kind kind;
  std::string file;
  std::string detail;  // SQLite's message
};

class Journal {
 public:
  static constexpr int kBusyTimeoutMs = 5000;

  explicit Journal(std::string path);
  ~Journal();
  Journal(const Journal&) = delete;
  Journal& operator=(const Journal&) = delete;

  // Writes the answers in one transaction; true once they are in the file (or, after a failure
  // of the file, in memory). Answers another program's lock kept out are held and written first
  // next time; false says they are still waiting.
  bool Append(std::span<const AnswerRecord> records);
  bool Append(const AnswerRecord& record) { return Append(std::span(&record, 1)); }

  // Moves the file aside as a backup named after `nowUtcMs` and starts a new one; returns the
  // backup's path, empty when there was no file to keep.
  std::string Reset(std::int64_t nowUtcMs);

  std::optional<Notice> TakeNotice();
  bool InMemory() const { return inMemory_; }
  std::size_t Waiting() const { return waiting_.size(); }
  const std::string& path() const { return path_; }
  // Reads this journal's own connection: valid until the journal is reset or closed.
  JournalReader Reader() const { return JournalReader(db_); }
  // The connection itself, for the journal's own tests.
  sqlite3* db() const { return db_; }

 private:
  bool OpenFile();
  void OpenMemory(const std::string& why);
  void Close();
  void Tell(Notice notice);
  int WriteAll(std::span<const AnswerRecord> records);
  std::int64_t NameId(const std::string& text, int* rc);
  std::int64_t SessionId(const AnswerRecord& record, int* rc);

  std::string path_;
  sqlite3* db_ = nullptr;
  bool inMemory_ = false;
  unsigned told_ = 0;  // one bit per Notice::Kind already told
  std::vector<Notice> notices_;
  std::vector<AnswerRecord> waiting_;
  std::map<std::string, std::int64_t> names_;
  std::map<std::int64_t, std::int64_t> sessions_;
};

// Renames `path` (and its write-ahead log) to `path` + "." + `label` + "-" + the UTC time, never
// over an existing file. Returns the new name, empty if nothing was moved.
std::string MoveAside(const std::string& path, const std::string& label, std::int64_t utcMs);

}  // namespace lintra::journal

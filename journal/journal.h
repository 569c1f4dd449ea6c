// One journal file of answers. Opening never fails the caller: a damaged file is moved aside and a
// new one started; answers the file cannot take (a folder that cannot be written, a full disk) are
// held and tried again with every later answer, and meanwhile read together with the file's. Each
// kind of trouble is told once, through TakeNotice(). Not thread-safe: JournalWriter owns one on
// its thread.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "journal/answer.h"
#include "journal/answer_store.h"
#include "journal/journal_files.h"
#include "journal/journal_reader.h"
#include "journal/lock_file.h"

namespace lintra::journal {

struct Notice {
  enum class Kind {
    DamagedMovedAside,  // `file` is where the damaged journal now is; a new one was started
    HeldInMemory,       // the journal cannot be written; answers are held and tried again
    NewerVersion,       // a later version of the program wrote the file; it is left untouched
    Shared,             // another trainer has the same journal open
  };
  Kind kind;
  std::string file;
  std::string detail;  // SQLite's message
};

struct ResetResult {
  enum class Outcome {
    Started,      // a new journal; `backup` is the old one, empty when there was none
    InUse,        // another trainer has the journal open: nothing was moved
    NotSaved,     // answers could not be saved in the journal: nothing was moved
    CannotMove,   // the journal could not be moved aside: it is as it was
    CannotStart,  // no new journal could be made (a full disk): the old one is back in its place
  };
  Outcome outcome = Outcome::Started;
  std::string backup;
  std::string detail;  // why, in the system's words
};

class Journal {
 public:
  static constexpr int kBusyTimeoutMs = 5000;

  // `busyTimeoutMs`: how long a write waits for another program's lock before the answers are held.
  explicit Journal(std::string path, int busyTimeoutMs = kBusyTimeoutMs);
  ~Journal();
  Journal(const Journal&) = delete;
  Journal& operator=(const Journal&) = delete;

  // Writes the answers held so far and then these in one transaction; true once all are in the
  // file. Otherwise they are held, read with the file's answers, and written first next time.
  bool Append(std::span<const AnswerRecord> records);
  bool Append(const AnswerRecord& record) { return Append(std::span(&record, 1)); }

  // Moves the file aside as a backup named after `nowUtcMs` and starts a new one, unless another
  // trainer has it open, answers are waiting that cannot be saved, or the new one cannot be made.
  ResetResult Reset(std::int64_t nowUtcMs);

  std::optional<Notice> TakeNotice();
  // Answers are held in memory, not (only) in the file.
  bool InMemory() const { return held_ != nullptr; }
  // Answers not yet in the file.
  std::size_t Waiting() const { return waiting_.size(); }
  const std::string& path() const { return path_; }
  // Reads the file's answers and those held: valid until the next Append, Reset or the end.
  JournalReader Reader() const { return JournalReader(held_ ? held_->db() : file_.db()); }
  // The file's own connection, for the journal's own tests; null while it cannot be opened.
  sqlite3* db() const { return file_.db(); }

 private:
  int OpenFile();
  int Save();
  void Hold(int rc);
  void MakeHeldCopy();
  bool OthersHaveIt();
  ResetResult StartNew(std::int64_t nowUtcMs);
  void Tell(Notice notice);

  std::string path_;
  int busyTimeoutMs_;
  LockFile lock_;
  AnswerStore file_;
  // The file's answers and those it could not take, while there are such: what is read meanwhile.
  std::unique_ptr<AnswerStore> held_;
  std::size_t heldCopied_ = 0;  // of waiting_, how many held_ has
  bool writable_ = true;        // false for a later version's file: never written
  std::string why_;             // why the file could not be opened or written
  unsigned told_ = 0;           // one bit per Notice::Kind already told
  std::vector<Notice> notices_;
  std::vector<AnswerRecord> waiting_;
};

}  // namespace lintra::journal

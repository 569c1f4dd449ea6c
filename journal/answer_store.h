// One connection that answers are written through, with the rows of names and sessions it has given
// out: the journal file's, or the copy in memory that holds the answers the file could not take.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <span>
#include <string>

#include "journal/answer.h"

struct sqlite3;

namespace lintra::journal {

class AnswerStore {
 public:
  AnswerStore() = default;
  // Takes over `db`, which it closes.
  explicit AnswerStore(sqlite3* db) : db_(db) {}
  ~AnswerStore() { Close(); }
  AnswerStore(AnswerStore&& other) noexcept;
  AnswerStore& operator=(AnswerStore&& other) noexcept;

  sqlite3* db() const { return db_; }
  bool Open() const { return db_ != nullptr; }
  void Close();
  // Writes the answers in one transaction: all of them or, on a failure, none. SQLite's code.
  int Write(std::span<const AnswerRecord> records);

 private:
  std::int64_t NameId(const std::string& text, int* rc);
  std::int64_t SessionId(const AnswerRecord& record, int* rc);
  int MarkWeakNotes(std::int64_t session);

  sqlite3* db_ = nullptr;
  std::map<std::string, std::int64_t> names_;
  std::map<std::int64_t, std::int64_t> sessions_;
  std::set<std::int64_t> weakNotes_;  // sessions known to be marked
};

}  // namespace lintra::journal

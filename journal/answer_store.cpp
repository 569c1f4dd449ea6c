#include "journal/answer_store.h"

#include <sqlite3.h>

#include <utility>

#include "journal/answer_columns.h"
#include "journal/statement.h"

namespace lintra::journal {

AnswerStore::AnswerStore(AnswerStore&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)),
      names_(std::move(other.names_)),
      sessions_(std::move(other.sessions_)),
      weakNotes_(std::move(other.weakNotes_)) {}

AnswerStore& AnswerStore::operator=(AnswerStore&& other) noexcept {
  if (this != &other) {
    Close();
    db_ = std::exchange(other.db_, nullptr);
    names_ = std::move(other.names_);
    sessions_ = std::move(other.sessions_);
    weakNotes_ = std::move(other.weakNotes_);
  }
  return *this;
}

void AnswerStore::Close() {
  if (db_ != nullptr) sqlite3_close_v2(db_);
  db_ = nullptr;
  names_.clear();
  sessions_.clear();
  weakNotes_.clear();
}

std::int64_t AnswerStore::NameId(const std::string& text, int* rc) {
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

std::int64_t AnswerStore::SessionId(const AnswerRecord& record, int* rc) {
  if (auto it = sessions_.find(record.sessionId); it != sessions_.end()) return it->second;
  Statement find(db_, "SELECT id FROM sessions WHERE external = ?1");
  *rc = find.bind(1, record.sessionId).step();
  if (*rc == SQLITE_ROW) {
    *rc = SQLITE_OK;
    return sessions_[record.sessionId] = find.integer(0);
  }
  if (*rc != SQLITE_DONE) return 0;
  Statement insert(db_,
                   "INSERT INTO sessions(external, started_ms, first_answer, utc_offset)"
                   " VALUES(?1, ?2, (SELECT coalesce(max(id), 0) + 1 FROM answers), ?3)");
  *rc = insert.bind(1, record.sessionId)
            .bind(2, record.wallTimeUtcMs)
            .bind(3, std::int64_t{record.utcOffsetMinutes})
            .step();
  if (*rc != SQLITE_DONE) return 0;
  *rc = SQLITE_OK;
  return sessions_[record.sessionId] = sqlite3_last_insert_rowid(db_);
}

int AnswerStore::MarkWeakNotes(std::int64_t session) {
  if (weakNotes_.contains(session)) return SQLITE_OK;
  Statement mark(db_, "UPDATE sessions SET weak_notes = 1 WHERE id = ?1");
  const int rc = mark.bind(1, session).step();
  if (rc != SQLITE_DONE) return rc;
  weakNotes_.insert(session);
  return SQLITE_OK;
}

int AnswerStore::Write(std::span<const AnswerRecord> records) {
  if (db_ == nullptr) return SQLITE_CANTOPEN;
  int rc = Execute(db_, "BEGIN IMMEDIATE");
  if (rc != SQLITE_OK) return rc;
  {
    Statement insert(db_, kInsertAnswerSql);
    rc = insert.prepareCode();
    for (const AnswerRecord& record : records) {
      if (rc != SQLITE_OK) break;
      const std::int64_t session = SessionId(record, &rc);
      if (rc == SQLITE_OK && record.weakNotes) rc = MarkWeakNotes(session);
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
    weakNotes_.clear();
  }
  return rc;
}

}  // namespace lintra::journal

#include "journal/journal_reader.h"

#include <sqlite3.h>

#include <utility>

#include "journal/journal.h"
#include "journal/schema.h"
#include "journal/statement.h"

namespace lintra::journal {

JournalReader::JournalReader(const std::string& path) : owned_(true) {
  // NOMUTEX: the connection is this reader's alone, used on one thread.
  if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
    sqlite3_close(db_);
    db_ = nullptr;
    return;
  }
  sqlite3_busy_timeout(db_, Journal::kBusyTimeoutMs);
  // The trends read weeks of rows once: mapped, they are not copied page by page.
  Execute(db_, "PRAGMA mmap_size = 268435456");
}

JournalReader::~JournalReader() {
  if (owned_) sqlite3_close(db_);
}

JournalReader::JournalReader(JournalReader&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)), owned_(std::exchange(other.owned_, false)) {}

JournalReader::State JournalReader::Probe() const {
  if (db_ == nullptr) return State::Empty;
  int version = 0;
  if (ReadSchemaVersion(db_, &version) != SQLITE_OK) return State::Unreadable;
  if (version == 0) return State::Empty;  // made, never written
  if (version > CurrentSchemaVersion()) return State::Unreadable;
  Statement any(db_, "SELECT EXISTS(SELECT 1 FROM answers)");
  if (any.step() != SQLITE_ROW) return State::Unreadable;
  return any.integer(0) != 0 ? State::Ready : State::Empty;
}

void JournalReader::Begin() const {
  if (db_ != nullptr) Execute(db_, "BEGIN");
}

void JournalReader::End() const {
  if (db_ != nullptr) Execute(db_, "COMMIT");
}

std::optional<std::int64_t> JournalReader::KeyRow(theory::KeyId key) const {
  if (db_ == nullptr) return std::nullopt;
  Statement name(db_, "SELECT id FROM names WHERE text = ?1");
  if (name.bind(1, theory::Code(key)).step() != SQLITE_ROW) return std::nullopt;
  return name.integer(0);
}

namespace {

// The clef ranges whose notes are read on `staff`, as the first and last code of a run: the three
// ranges of the grand staff lie next to each other.
std::pair<std::int64_t, std::int64_t> RangesOn(practice::StaffKind staff) {
  const auto code = [](ClefRange range) { return static_cast<std::int64_t>(range); };
  switch (staff) {
    case practice::StaffKind::Grand:
      break;
    case practice::StaffKind::Alto:
      return {code(ClefRange::Alto), code(ClefRange::Alto)};
    case practice::StaffKind::Tenor:
      return {code(ClefRange::Tenor), code(ClefRange::Tenor)};
  }
  return {code(ClefRange::Treble), code(ClefRange::Grand)};
}

}  // namespace

std::vector<NoteHistory> JournalReader::LastFirstTries(theory::KeyId keyId, practice::StaffKind staff,
                                                       int perNote) const {
  std::vector<NoteHistory> notes;
  const auto key = KeyRow(keyId);
  if (!key) return notes;
  // Walks the index note by note instead of reading every answer in the key.
  Statement next(db_, "SELECT slot FROM answers WHERE key_name = ?1 AND slot > ?2 ORDER BY slot LIMIT 1");
  Statement last(db_,
                 "SELECT correct, response_ms, staff, time_ms, id FROM answers WHERE key_name = ?1 AND slot = ?2"
                 " AND attempt = 1 AND exercise = ?4 AND clef_range BETWEEN ?5 AND ?6 ORDER BY id DESC LIMIT ?3");
  const auto [firstRange, lastRange] = RangesOn(staff);
  std::int64_t slot = -1;
  for (;;) {
    next.reset();
    if (next.bind(1, *key).bind(2, slot).step() != SQLITE_ROW) break;
    slot = next.integer(0);
    if (slot < 0 || slot >= static_cast<std::int64_t>(theory::kNoteSlotCount)) continue;
    NoteHistory note;
    note.slot = static_cast<theory::NoteSlot>(slot);
    last.reset();
    last.bind(1, *key).bind(2, slot).bind(3, std::int64_t{perNote});
    last.bind(4, static_cast<std::int64_t>(Exercise::NoteReading)).bind(5, firstRange).bind(6, lastRange);
    while (last.step() == SQLITE_ROW) {
      note.staff = static_cast<Staff>(last.integer(2));
      note.lastFirstTries.push_back({last.integer(0) != 0, last.integer(1), last.integer(3), last.integer(4)});
    }
    if (!note.lastFirstTries.empty()) notes.push_back(std::move(note));
  }
  return notes;
}

std::vector<practice::FirstTry> JournalReader::FirstTries(theory::KeyId keyId, practice::StaffKind staff) const {
  std::vector<practice::FirstTry> tries;
  const auto key = KeyRow(keyId);
  if (!key) return tries;
  Statement read(db_,
                 "SELECT slot, correct, response_ms, time_ms FROM answers"
                 " WHERE key_name = ?1 AND attempt = 1 AND exercise = ?2 AND slot >= 0 AND slot < ?3"
                 " AND clef_range BETWEEN ?4 AND ?5 ORDER BY time_ms, id");
  const auto [firstRange, lastRange] = RangesOn(staff);
  read.bind(1, *key)
      .bind(2, static_cast<std::int64_t>(Exercise::NoteReading))
      .bind(3, static_cast<std::int64_t>(theory::kNoteSlotCount))
      .bind(4, firstRange)
      .bind(5, lastRange);
  while (read.step() == SQLITE_ROW) {
    tries.push_back(
        {static_cast<theory::NoteSlot>(read.integer(0)), read.integer(1) != 0, read.integer(2), read.integer(3)});
  }
  return tries;
}

std::int64_t JournalReader::AnswerCount() const {
  if (db_ == nullptr) return 0;
  Statement count(db_, "SELECT count(*) FROM answers");
  return count.step() == SQLITE_ROW ? count.integer(0) : 0;
}

std::optional<std::int64_t> JournalReader::LastAnswerUtcMs() const {
  if (db_ == nullptr) return std::nullopt;
  Statement last(db_, "SELECT time_ms FROM answers ORDER BY id DESC LIMIT 1");
  if (last.step() != SQLITE_ROW) return std::nullopt;
  return last.integer(0);
}

}  // namespace lintra::journal

// Answers and files for the journal tests.
#pragma once

#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "journal/answer.h"

namespace lintra::journal::test {

inline AnswerRecord Answer(std::int64_t timeMs, std::int64_t session, int slot, bool correct, std::int64_t responseMs,
                           int attempt = 1, MistakeKind mistake = MistakeKind::None) {
  AnswerRecord r;
  r.wallTimeUtcMs = timeMs;
  r.sessionId = session;
  r.key = theory::KeyId::GMajor;
  r.questionSlot = static_cast<theory::NoteSlot>(slot);
  r.questionMidi = theory::SpelledNoteTable()[r.questionSlot].midiNote;
  r.questionStaff = slot >= 36 ? Staff::Treble : Staff::Bass;
  r.questionPlace = 3;
  r.answerKey = correct ? "G1" : "F1sharp";
  r.answerMidi = correct ? r.questionMidi : r.questionMidi - 1;
  r.correct = correct;
  r.attempt = attempt;
  r.responseMs = responseMs;
  r.mistake = correct ? MistakeKind::None : mistake;
  return r;
}

// A fresh folder under the system's temporary folder, removed with its contents at the end.
struct TempFolder {
  std::filesystem::path path;
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lintra-journal-XXXXXX").string();
    path = mkdtemp(pattern.data());
  }
  ~TempFolder() {
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(path);
  }
  std::string file(const char* name) const { return (path / name).string(); }
};

inline std::string Text(const std::string& file, const char* sql) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_stmt* stmt = nullptr;
  std::string value;
  if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW &&
      sqlite3_column_text(stmt, 0) != nullptr) {
    value = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
  }
  sqlite3_finalize(stmt);
  sqlite3_close(db);
  return value;
}

inline void Exec(const std::string& file, const char* sql) {
  sqlite3* db = nullptr;
  sqlite3_open(file.c_str(), &db);
  sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
  sqlite3_close(db);
}

inline std::int64_t Count(const std::string& file, const char* sql) {
  const std::string value = Text(file, sql);
  return value.empty() ? -1 : std::stoll(value);
}

}  // namespace lintra::journal::test

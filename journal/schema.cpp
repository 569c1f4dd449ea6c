#include "journal/schema.h"

#include <sqlite3.h>

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "journal/statement.h"
#include "theory/keys.h"

namespace lintra::journal {
namespace {

// Version 1. Texts that repeat (key items, answer keys) live once in `names`; sessions get a
// small number of their own and remember where their answers begin, so that the recent sessions
// and days are read as a run of row ids instead of through an index on time. One row per answer
// stays under 100 bytes with the one index the mastery map needs.
int CreateVersion1(sqlite3* db) {
  return Execute(db,
                 "CREATE TABLE names(id INTEGER PRIMARY KEY, text TEXT NOT NULL UNIQUE);"
                 "CREATE TABLE sessions(id INTEGER PRIMARY KEY, external INTEGER NOT NULL UNIQUE,"
                 " started_ms INTEGER NOT NULL, first_answer INTEGER NOT NULL);"
                 "CREATE INDEX sessions_by_start ON sessions(started_ms);"
                 "CREATE TABLE answers(id INTEGER PRIMARY KEY, time_ms INTEGER NOT NULL,"
                 " session INTEGER NOT NULL, exercise INTEGER NOT NULL, scale INTEGER NOT NULL,"
                 " key_name INTEGER NOT NULL, clef_range INTEGER NOT NULL, slot INTEGER NOT NULL,"
                 " midi INTEGER NOT NULL, staff INTEGER NOT NULL, place INTEGER NOT NULL,"
                 " answer_name INTEGER NOT NULL, answer_midi INTEGER NOT NULL, source INTEGER NOT NULL,"
                 " correct INTEGER NOT NULL, attempt INTEGER NOT NULL, response_ms INTEGER NOT NULL,"
                 " mistake INTEGER NOT NULL);"
                 "CREATE INDEX answers_by_note ON answers(key_name, slot);");
}

// The names version 1 gave the keys: the window's menu items of its day, kept here because the
// files say them, whatever the menus are called later.
constexpr std::array<std::pair<std::string_view, theory::KeyId>, theory::kKeyIdCount> kVersion1KeyNames{{
    {"CMajor1", theory::KeyId::CMajor},           {"GMajor1", theory::KeyId::GMajor},
    {"DMajor1", theory::KeyId::DMajor},           {"AMajor1", theory::KeyId::AMajor},
    {"EMajor1", theory::KeyId::EMajor},           {"BMajor1", theory::KeyId::BMajor},
    {"FsharpMajor1", theory::KeyId::FSharpMajor}, {"FMajor1", theory::KeyId::FMajor},
    {"BbMajor1", theory::KeyId::BFlatMajor},      {"EbMajor1", theory::KeyId::EFlatMajor},
    {"abMajor1", theory::KeyId::AFlatMajor},      {"DbMajor1", theory::KeyId::DFlatMajor},
    {"GbMajor1", theory::KeyId::GFlatMajor},      {"AMinor1", theory::KeyId::AMinor},
    {"EMinor1", theory::KeyId::EMinor},           {"BMinor1", theory::KeyId::BMinor},
    {"FsharpMinor1", theory::KeyId::FSharpMinor}, {"CsharpMinor1", theory::KeyId::CSharpMinor},
    {"DMinor1", theory::KeyId::DMinor},           {"GMinor1", theory::KeyId::GMinor},
    {"CMinor1", theory::KeyId::CMinor},           {"FMinor1", theory::KeyId::FMinor},
    {"BbMinor1", theory::KeyId::BFlatMinor},      {"EbMinor1", theory::KeyId::EFlatMinor},
    {"ChromaticScale", theory::KeyId::Chromatic},
}};

// Version 2: answers name their key by its identity's code ("g_major") instead of a menu item of
// the window, so that renaming an item cannot orphan a student's history. The answers themselves
// are untouched: only the key's row in `names` is renamed. A name that is no key's stays as it is.
int KeysByIdentity(sqlite3* db) {
  Statement rename(db,
                   "UPDATE names SET text = ?2 WHERE text = ?1"
                   " AND EXISTS(SELECT 1 FROM answers WHERE key_name = names.id)");
  if (!rename.ok()) return rename.prepareCode();
  for (const auto& [name, key] : kVersion1KeyNames) {
    rename.reset();
    const int rc = rename.bind(1, name).bind(2, theory::Code(key)).step();
    if (rc != SQLITE_DONE) return rc;
  }
  return SQLITE_OK;
}

// Version 3: a session remembers the student's offset from UTC when it began, so that its local day
// can be told after a journey or a change of daylight-saving time (older sessions have none), and
// whether it practised weak notes, for the trends.
int SessionsKnowTheirDay(sqlite3* db) {
  return Execute(db,
                 "ALTER TABLE sessions ADD COLUMN utc_offset INTEGER;"
                 "ALTER TABLE sessions ADD COLUMN weak_notes INTEGER NOT NULL DEFAULT 0;");
}

// Version 4: each answer to a note of a line read in a row keeps the note's place in the line
// (from 1); the answers of earlier versions were all single questions (0).
int LinePlaces(sqlite3* db) {
  return Execute(db, "ALTER TABLE answers ADD COLUMN line_note INTEGER NOT NULL DEFAULT 0");
}

}  // namespace

const std::vector<MigrationStep>& MigrationSteps() {
  static const std::vector<MigrationStep> steps{CreateVersion1, KeysByIdentity, SessionsKnowTheirDay, LinePlaces};
  return steps;
}

int CurrentSchemaVersion() { return static_cast<int>(MigrationSteps().size()); }

int ReadSchemaVersion(sqlite3* db, int* version) {
  Statement read(db, "PRAGMA user_version");
  const int rc = read.step();
  if (rc != SQLITE_ROW) return rc;
  *version = static_cast<int>(read.integer(0));
  return SQLITE_OK;
}

int Migrate(sqlite3* db, const std::vector<MigrationStep>& steps) {
  const int target = static_cast<int>(steps.size());
  for (;;) {
    // IMMEDIATE: two programs starting at once must not both run the same step.
    int rc = Execute(db, "BEGIN IMMEDIATE");
    if (rc != SQLITE_OK) return rc;
    int version = 0;
    rc = ReadSchemaVersion(db, &version);
    if (rc == SQLITE_OK && version == target) return Execute(db, "COMMIT");
    if (rc == SQLITE_OK && version > target) rc = SQLITE_MISMATCH;
    if (rc == SQLITE_OK && version < 0) rc = SQLITE_CORRUPT;
    if (rc == SQLITE_OK) rc = steps[static_cast<std::size_t>(version)](db);
    if (rc == SQLITE_OK) rc = Execute(db, ("PRAGMA user_version = " + std::to_string(version + 1)).c_str());
    if (rc == SQLITE_OK) rc = Execute(db, "COMMIT");
    if (rc != SQLITE_OK) {
      Execute(db, "ROLLBACK");
      return rc;
    }
  }
}

}  // namespace lintra::journal

#include "journal/schema.h"

#include <sqlite3.h>

#include <string>

#include "journal/statement.h"

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

}  // namespace

const std::vector<MigrationStep>& MigrationSteps() {
  static const std::vector<MigrationStep> steps{CreateVersion1};
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

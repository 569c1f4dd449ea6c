// The journal's schema and its migrations. PRAGMA user_version holds the version a file is at;
// each step takes a file one version up, in a transaction of its own, so that a file is always at
// one whole version.
#pragma once

#include <functional>
#include <vector>

struct sqlite3;

namespace lintra::journal {

// Step i takes a file from version i to version i + 1.
using MigrationStep = std::function<int(sqlite3*)>;
const std::vector<MigrationStep>& MigrationSteps();

// The version this program writes: the number of steps.
int CurrentSchemaVersion();

// SQLITE_OK when the file is at the last version of `steps`. A file at a later version than the
// steps know is left untouched and gives SQLITE_MISMATCH; any other failure is SQLite's code.
int Migrate(sqlite3* db, const std::vector<MigrationStep>& steps);
int ReadSchemaVersion(sqlite3* db, int* version);

}  // namespace lintra::journal

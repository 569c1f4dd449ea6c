// The file's life: versions, damage, folders that cannot be written, two writers, reset.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "journal/journal.h"
#include "journal/schema.h"
#include "test_answers.h"
#include "ui/key_menus.h"

namespace lintra::journal {
namespace {

using test::Answer;
using test::Count;

void Exec(const std::string& file, const char* sql) {
  sqlite3* db = nullptr;
  sqlite3_open(file.c_str(), &db);
  ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
  sqlite3_close(db);
}

std::string Contents(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(JournalVersions, OlderFilesAreMigratedAndNewerOnesLeftAlone) {
  test::TempFolder folder;
  // A version-0 file: a database with something in it but no journal yet.
  const std::string old = folder.file("old.sqlite");
  Exec(old, "CREATE TABLE notes(x); INSERT INTO notes VALUES(7);");
  {
    Journal journal(old);
    EXPECT_FALSE(journal.TakeNotice());
    EXPECT_TRUE(journal.Append(Answer(1000, 1, 10, true, 800)));
  }
  EXPECT_EQ(Count(old, "PRAGMA user_version"), CurrentSchemaVersion());
  EXPECT_EQ(Count(old, "SELECT count(*) FROM answers"), 1);
  EXPECT_EQ(Count(old, "SELECT x FROM notes"), 7);

  // A further step runs on a file at the current version alone; running an earlier one again would fail.
  auto steps = MigrationSteps();
  steps.push_back([](sqlite3* db) {
    return sqlite3_exec(db, "ALTER TABLE answers ADD COLUMN tempo INTEGER", nullptr, nullptr, nullptr);
  });
  sqlite3* db = nullptr;
  sqlite3_open(old.c_str(), &db);
  EXPECT_EQ(Migrate(db, steps), SQLITE_OK);
  sqlite3_close(db);
  EXPECT_EQ(Count(old, "PRAGMA user_version"), CurrentSchemaVersion() + 1);
  EXPECT_EQ(Count(old, "SELECT count(tempo) FROM answers"), 0);

  // That version is beyond this program: the file is kept as it is and answers are held in memory.
  Journal newer(old);
  const auto notice = newer.TakeNotice();
  ASSERT_TRUE(notice);
  EXPECT_EQ(notice->kind, Notice::Kind::NewerVersion);
  EXPECT_TRUE(newer.InMemory());
  EXPECT_TRUE(newer.Append(Answer(2000, 2, 10, true, 800)));
  EXPECT_EQ(Count(old, "SELECT count(*) FROM answers"), 1);
  EXPECT_EQ(Count(old, "PRAGMA user_version"), CurrentSchemaVersion() + 1);
}

// A journal written by version 1 (tests/journal/fixtures/README.md): after the migration every
// answer reads back as it did, keys named through the window's menus as the export always named
// them, and the file names keys by identity alone. A key name no version wrote is kept as it was.
TEST(JournalVersions, AVersion1JournalKeepsEveryAnswerWithItsKeyKnownByIdentity) {
  test::TempFolder folder;
  const std::string file = folder.file("v1.sqlite");
  std::filesystem::copy_file(LINTRA_JOURNAL_FIXTURES "/journal_v1.sqlite", file);
  ASSERT_EQ(Count(file, "PRAGMA user_version"), 1);
  Exec(file, "UPDATE names SET text = 'StrangeKey1' WHERE text = 'EbMinor1'");
  std::string expected = Contents(LINTRA_JOURNAL_FIXTURES "/journal_v1.csv");
  for (std::size_t at; (at = expected.find(",EbMinor1,")) != std::string::npos;)
    expected.replace(at, 10, ",StrangeKey1,");

  Journal journal(file);
  EXPECT_FALSE(journal.TakeNotice());
  std::ostringstream csv;
  ASSERT_TRUE(journal.Reader().ExportCsv(csv, [](theory::KeyId key) { return std::string(ui::KeyMenu(key).text); }));
  EXPECT_EQ(csv.str(), expected);
  EXPECT_EQ(Count(file, "PRAGMA user_version"), CurrentSchemaVersion());
  EXPECT_EQ(Count(file, "SELECT count(*) FROM answers"), 51);
  EXPECT_EQ(Count(file, "SELECT count(*) FROM names WHERE text IN ('GMajor1', 'ChromaticScale', 'abMajor1')"), 0);
  EXPECT_EQ(Count(file, "SELECT count(*) FROM names WHERE text IN ('g_major', 'chromatic', 'a_flat_major')"), 3);
  EXPECT_EQ(journal.Reader().LastFirstTries(theory::KeyId::AFlatMajor).size(), 4u);
}

TEST(JournalDamage, DamagedFilesAreKeptAsideAndANewJournalStartedTellingOnce) {
  test::TempFolder folder;
  // Not a database at all.
  const std::string garbage = folder.file("a.sqlite");
  std::ofstream(garbage) << std::string(5000, 'x');
  {
    Journal journal(garbage);
    const auto notice = journal.TakeNotice();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->kind, Notice::Kind::DamagedMovedAside);
    EXPECT_EQ(Contents(notice->file), std::string(5000, 'x'));
    EXPECT_FALSE(journal.TakeNotice());
    EXPECT_FALSE(journal.InMemory());
    EXPECT_TRUE(journal.Append(Answer(1000, 1, 10, true, 800)));
  }
  EXPECT_EQ(Count(garbage, "SELECT count(*) FROM answers"), 1);

  // A real journal whose pages after the first are overwritten: found when the next answer is written.
  const std::string broken = folder.file("b.sqlite");
  {
    Journal journal(broken);
    for (int i = 0; i < 2000; ++i) journal.Append(Answer(1000 + i, 1, i % 70, i % 3 != 0, 900));
  }
  const std::string before = Contents(broken);
  {
    std::fstream f(broken, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(4096);
    const std::string noise(before.size() - 4096, '\x5a');
    f.write(noise.data(), static_cast<std::streamsize>(noise.size()));
  }
  Journal journal(broken);
  EXPECT_TRUE(journal.Append(Answer(9000, 2, 10, true, 800)));
  const auto notice = journal.TakeNotice();
  ASSERT_TRUE(notice);
  EXPECT_EQ(notice->kind, Notice::Kind::DamagedMovedAside);
  EXPECT_EQ(Contents(notice->file).size(), before.size());
  EXPECT_EQ(Count(broken, "SELECT count(*) FROM answers"), 1);
  EXPECT_EQ(test::Text(broken, "PRAGMA integrity_check"), "ok");
}

TEST(JournalFolders, AFolderThatCannotBeWrittenOrFillsUpKeepsAnswersInMemoryTellingOnce) {
  test::TempFolder folder;
  for (const std::string& path : {folder.file("missing/folder/j.sqlite"), std::string("/proc/lintra.sqlite")}) {
    Journal journal(path);
    ASSERT_TRUE(journal.InMemory()) << path;
    EXPECT_EQ(journal.TakeNotice()->kind, Notice::Kind::HeldInMemory);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(journal.Append(Answer(1000 + i, 1, 10, true, 800)));
    EXPECT_FALSE(journal.TakeNotice());
    EXPECT_EQ(journal.Reader().SessionTrend().at(0).firstTries, 3);
  }

  // The disk fills while the trainer runs: the file keeps what it had, the rest stays in memory.
  const std::string full = folder.file("full.sqlite");
  Journal journal(full);
  ASSERT_TRUE(journal.Append(Answer(1000, 1, 10, true, 800)));
  sqlite3_exec(journal.db(), "PRAGMA max_page_count = 1", nullptr, nullptr, nullptr);
  for (int i = 0; i < 2000; ++i) ASSERT_TRUE(journal.Append(Answer(2000 + i, 1, i % 70, true, 800)));
  EXPECT_TRUE(journal.InMemory());
  EXPECT_EQ(journal.TakeNotice()->kind, Notice::Kind::HeldInMemory);
  EXPECT_FALSE(journal.TakeNotice());
  EXPECT_GT(Count(full, "SELECT count(*) FROM answers"), 0);
  EXPECT_EQ(Count(full, "SELECT count(*) FROM answers") + journal.Reader().SessionTrend().at(0).firstTries, 2001);
}

TEST(JournalSharing, TwoProcessesWritingAtOnceLoseNothing) {
  test::TempFolder folder;
  const std::string file = folder.file("shared.sqlite");
  constexpr int kEach = 300;
  pid_t children[2];
  for (int c = 0; c < 2; ++c) {
    children[c] = fork();
    if (children[c] == 0) {
      Journal journal(file);
      bool ok = !journal.InMemory();
      for (int i = 0; i < kEach; ++i) ok = journal.Append(Answer(1000 + i, 100 + c, i % 70, true, 700)) && ok;
      _exit(ok && !journal.InMemory() && journal.Waiting() == 0 ? 0 : 1);
    }
  }
  for (pid_t child : children) {
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  EXPECT_EQ(test::Text(file, "PRAGMA integrity_check"), "ok");
  EXPECT_EQ(Count(file, "SELECT count(*) FROM answers JOIN sessions s ON s.id = session WHERE s.external = 100"),
            kEach);
  EXPECT_EQ(Count(file, "SELECT count(*) FROM answers JOIN sessions s ON s.id = session WHERE s.external = 101"),
            kEach);
  EXPECT_EQ(Count(file, "SELECT count(*) FROM names"), 2);  // one key, one answer key: no duplicates
}

TEST(JournalReset, TheOldFileIsKeptAsABackupAndANewOneStarted) {
  test::TempFolder folder;
  const std::string file = folder.file("j.sqlite");
  Journal journal(file);
  for (int i = 0; i < 5; ++i) journal.Append(Answer(1000 + i, 1, 10, true, 800));
  const std::string backup = journal.Reset(1765161939000);  // 2025-12-08T02:45:39Z
  EXPECT_EQ(backup, file + ".backup-20251208T024539Z");
  EXPECT_TRUE(journal.Append(Answer(9000, 2, 10, true, 800)));
  EXPECT_EQ(Count(backup, "SELECT count(*) FROM answers"), 5);
  EXPECT_EQ(Count(file, "SELECT count(*) FROM answers"), 1);
  // A second reset in the same second does not overwrite the first backup.
  const std::string second = journal.Reset(1765161939000);
  EXPECT_NE(second, backup);
  EXPECT_EQ(Count(backup, "SELECT count(*) FROM answers"), 5);
  EXPECT_EQ(Count(second, "SELECT count(*) FROM answers"), 1);
}

}  // namespace
}  // namespace lintra::journal

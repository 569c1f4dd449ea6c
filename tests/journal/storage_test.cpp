// The file's life: versions, damage, folders that cannot be written, two writers, reset.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <sstream>

#include "full_disk.h"
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
  EXPECT_FALSE(newer.Append(Answer(2000, 2, 10, true, 800)));
  EXPECT_EQ(newer.Waiting(), 1u);
  EXPECT_FALSE(newer.TakeNotice());
  EXPECT_EQ(Count(old, "SELECT count(*) FROM answers"), 1);
  EXPECT_EQ(Count(old, "PRAGMA user_version"), CurrentSchemaVersion() + 1);
}

std::vector<std::vector<std::string>> CsvRows(const std::string& csv) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(csv);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> cells;
    std::istringstream in(line);
    for (std::string cell; std::getline(in, cell, ',');) cells.push_back(cell);
    rows.push_back(cells);
  }
  return rows;
}

// A journal written by version 1 (tests/journal/fixtures/README.md): after the migration every
// answer reads back as that version exported it, keys known by identity (and named as the menus
// name them now), sessions numbered in the order they began, the answer as a note. A key name no
// version wrote is kept as it was; the file names keys by identity alone.
TEST(JournalVersions, AVersion1JournalKeepsEveryAnswerWithItsKeyKnownByIdentity) {
  test::TempFolder folder;
  const std::string file = folder.file("v1.sqlite");
  std::filesystem::copy_file(LINTRA_JOURNAL_FIXTURES "/journal_v1.sqlite", file);
  ASSERT_EQ(Count(file, "PRAGMA user_version"), 1);
  Exec(file, "UPDATE names SET text = 'StrangeKey1' WHERE text = 'EbMinor1'");

  Journal journal(file);
  EXPECT_FALSE(journal.TakeNotice());
  std::ostringstream csv;
  ASSERT_TRUE(
      journal.Reader().ExportCsv(csv, {[](theory::KeyId key) { return std::string(ui::KeyCaption(key)); }, {}}));
  const auto then = CsvRows(Contents(LINTRA_JOURNAL_FIXTURES "/journal_v1.csv"));
  const auto now = CsvRows(csv.str());
  ASSERT_EQ(now.size(), then.size());
  EXPECT_EQ(now[0], then[0]);
  std::map<std::string, std::string> sessions{{"1796634000000", "1"}, {"1796657400000", "2"}};
  enum { kSession = 1, kKey = 4, kQuestion = 6, kAnswer = 10, kCorrect = 13 };
  for (std::size_t r = 1; r < now.size(); ++r) {
    for (std::size_t c = 0; c < now[r].size(); ++c) {
      if (c != kSession && c != kKey && c != kAnswer) {
        EXPECT_EQ(now[r][c], then[r].at(c)) << r << ", " << c;
      }
    }
    EXPECT_EQ(now[r][kSession], sessions.at(then[r][kSession])) << r;
    const auto key = ui::KeyOfMenu(then[r][kKey]);
    ASSERT_TRUE(key) << then[r][kKey];
    EXPECT_EQ(now[r][kKey], *key == theory::KeyId::EFlatMinor ? "StrangeKey1" : ui::KeyCaption(*key)) << r;
    if (now[r][kCorrect] == "1") {
      EXPECT_EQ(now[r][kAnswer], now[r][kQuestion]) << r;
    }
  }
  EXPECT_EQ(Count(file, "PRAGMA user_version"), CurrentSchemaVersion());
  EXPECT_EQ(Count(file, "SELECT count(*) FROM answers"), 51);
  EXPECT_EQ(Count(file, "SELECT count(*) FROM names WHERE text IN ('GMajor1', 'ChromaticScale', 'abMajor1')"), 0);
  EXPECT_EQ(Count(file, "SELECT count(*) FROM names WHERE text IN ('g_major', 'chromatic', 'a_flat_major')"), 3);
  EXPECT_EQ(journal.Reader().LastFirstTries(theory::KeyId::AFlatMajor).size(), 4u);
  // Its sessions know no offset from UTC and practised no weak notes; a new session knows both.
  EXPECT_EQ(Count(file, "SELECT count(*) FROM sessions WHERE utc_offset IS NULL AND weak_notes = 0"), 2);
  AnswerRecord later = Answer(2'000'000'000'000, 9, 10, true, 800);
  later.utcOffsetMinutes = -300;
  later.weakNotes = true;
  ASSERT_TRUE(journal.Append(later));
  EXPECT_EQ(Count(file, "SELECT utc_offset FROM sessions WHERE weak_notes = 1"), -300);

  // Every answer of an earlier version was a single question; a note of a line keeps its place.
  EXPECT_EQ(Count(file, "SELECT count(*) FROM answers WHERE line_note <> 0"), 0);
  AnswerRecord third = Answer(5000, 9, 40, true, 600);
  third.lineNote = 3;
  EXPECT_TRUE(journal.Append(third));
  EXPECT_EQ(Count(file, "SELECT line_note FROM answers ORDER BY id DESC LIMIT 1"), 3);
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

// Answers the file cannot take are held, read with the file's, and written, each once, as soon as
// it can take them again.
TEST(JournalFolders, AnswersTheFileCannotTakeAreHeldReadWithItsOwnAndWrittenOnceItCan) {
  test::TempFolder folder;
  test::FullDisk disk;
  const std::string full = folder.file("full.sqlite");
  Journal journal(full);
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(journal.Append(Answer(1000 + i, 1, 10, true, 800)));
  disk.full = true;
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(journal.Append(Answer(2000 + i, 1, 11, true, 800)));
  EXPECT_EQ(journal.TakeNotice()->kind, Notice::Kind::HeldInMemory);
  EXPECT_FALSE(journal.TakeNotice());
  EXPECT_EQ(journal.Waiting(), 3u);
  EXPECT_EQ(journal.Reader().AnswerCount(), 8);
  EXPECT_EQ(Count(full, "SELECT count(*) FROM answers"), 5);
  disk.full = false;
  EXPECT_TRUE(journal.Append(Answer(3000, 1, 12, true, 800)));
  EXPECT_FALSE(journal.InMemory());
  EXPECT_EQ(test::Text(full, "SELECT count(DISTINCT time_ms) || '/' || count(*) FROM answers"), "9/9");

  // A folder that is not there yet: the journal is made once it is.
  const std::string later = folder.file("later/j.sqlite");
  Journal waiting(later);
  EXPECT_TRUE(waiting.InMemory());
  EXPECT_EQ(waiting.TakeNotice()->kind, Notice::Kind::HeldInMemory);
  EXPECT_FALSE(waiting.Append(Answer(1000, 1, 10, true, 800)));
  EXPECT_EQ(waiting.Reader().AnswerCount(), 1);
  std::filesystem::create_directory(folder.path / "later");
  EXPECT_TRUE(waiting.Append(Answer(1001, 1, 10, true, 800)));
  EXPECT_EQ(Count(later, "SELECT count(*) FROM answers"), 2);
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
  const ResetResult reset = journal.Reset(1765161939000);  // 2025-12-08T02:45:39Z
  EXPECT_EQ(reset.outcome, ResetResult::Outcome::Started);
  EXPECT_EQ(reset.backup, file + ".backup-20251208T024539Z");
  EXPECT_TRUE(journal.Append(Answer(9000, 2, 10, true, 800)));
  EXPECT_EQ(Count(reset.backup, "SELECT count(*) FROM answers"), 5);
  EXPECT_EQ(Count(file, "SELECT count(*) FROM answers"), 1);
  // A second reset in the same second does not overwrite the first backup.
  const std::string second = journal.Reset(1765161939000).backup;
  EXPECT_NE(second, reset.backup);
  EXPECT_EQ(Count(reset.backup, "SELECT count(*) FROM answers"), 5);
  EXPECT_EQ(Count(second, "SELECT count(*) FROM answers"), 1);
}

// A reset that cannot be done leaves the journal as it was, and says why.
TEST(JournalReset, AJournalThatCannotBeMovedAsideOrReplacedStaysAsItWas) {
  test::TempFolder folder;
  test::FullDisk disk;
  // A name so long that the backup's would be longer than a file name may be.
  const std::string file = folder.file((std::string(230, 'j') + ".sqlite").c_str());
  Journal journal(file);
  ASSERT_TRUE(journal.Append(Answer(1000, 1, 10, true, 800)));
  const ResetResult unmoved = journal.Reset(1765161939000);
  EXPECT_EQ(unmoved.outcome, ResetResult::Outcome::CannotMove);
  EXPECT_FALSE(unmoved.detail.empty());
  EXPECT_TRUE(journal.Append(Answer(1001, 1, 10, true, 800)));
  EXPECT_EQ(Count(file, "SELECT count(*) FROM answers"), 2);

  // On a full disk no new journal can be made: no empty file is left, the old one is back in place.
  const std::string other = folder.file("j.sqlite");
  Journal full(other);
  ASSERT_TRUE(full.Append(Answer(1000, 1, 10, true, 800)));
  disk.full = true;
  const ResetResult unstarted = full.Reset(1765161939000);
  EXPECT_EQ(unstarted.outcome, ResetResult::Outcome::CannotStart);
  EXPECT_FALSE(std::filesystem::exists(other + ".backup-20251208T024539Z"));
  EXPECT_EQ(Count(other, "SELECT count(*) FROM answers"), 1);
  EXPECT_FALSE(full.Append(Answer(1001, 1, 10, true, 800)));
  EXPECT_EQ(full.Reset(1765161939000).outcome, ResetResult::Outcome::NotSaved);
  disk.full = false;
  EXPECT_EQ(full.Reset(1765161939000).outcome, ResetResult::Outcome::Started);
  EXPECT_EQ(Count(other + ".backup-20251208T024539Z", "SELECT count(*) FROM answers"), 2);
}

// Two trainers on one journal: each is told once that the other is there, neither may reset it
// while the other has it open, and an answer never lands in a journal moved aside.
TEST(JournalSharing, ASecondTrainerIsToldAndAJournalInUseIsNeverMoved) {
  test::TempFolder folder;
  const std::string file = folder.file("j.sqlite");
  auto first = std::make_unique<Journal>(file);
  EXPECT_FALSE(first->TakeNotice());
  {
    Journal second(file);
    EXPECT_EQ(second.TakeNotice()->kind, Notice::Kind::Shared);
    for (int i = 0; i < 2; ++i) EXPECT_TRUE(first->Append(Answer(1000 + i, 1, 10, true, 800)));
    EXPECT_EQ(first->TakeNotice()->kind, Notice::Kind::Shared);
    EXPECT_FALSE(first->TakeNotice());
    EXPECT_EQ(first->Reset(1765161939000).outcome, ResetResult::Outcome::InUse);
    EXPECT_EQ(second.Reset(1765161939000).outcome, ResetResult::Outcome::InUse);
    EXPECT_TRUE(second.Append(Answer(2000, 2, 10, true, 800)));
    EXPECT_EQ(Count(file, "SELECT count(*) FROM answers"), 3);
  }
  // So does a trainer in another process.
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  if (child == 0) {
    Journal other(file);
    const char started = 1;
    // It keeps the journal open until it is killed.
    if (write(ready[1], &started, 1) == 1) {
      for (;;) pause();
    }
    _exit(1);
  }
  char started = 0;
  ASSERT_EQ(read(ready[0], &started, 1), 1);
  EXPECT_EQ(first->Reset(1765161939000).outcome, ResetResult::Outcome::InUse);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  EXPECT_EQ(first->Reset(1765161939000).outcome, ResetResult::Outcome::Started);

  // A journal moved aside by a program that does not ask (an older trainer, or by hand): the
  // next answer goes to the journal at its place.
  ASSERT_TRUE(first->Append(Answer(3000, 3, 10, true, 800)));
  std::filesystem::rename(file, file + ".moved");
  std::filesystem::rename(file + "-wal", file + ".moved-wal");
  EXPECT_TRUE(first->Append(Answer(3001, 3, 10, true, 800)));
  EXPECT_EQ(Count(file + ".moved", "SELECT count(*) FROM answers"), 1);
  EXPECT_EQ(Count(file, "SELECT count(*) FROM answers"), 1);
}

}  // namespace
}  // namespace lintra::journal

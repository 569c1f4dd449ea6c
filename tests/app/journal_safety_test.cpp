// Nothing lost and nothing left out silently: answers the journal cannot take are shown, exported
// and offered at the end; a reset or an export that cannot be done says why and leaves no empty
// file; a second trainer on the same journal is told, and cannot reset the other's.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <fstream>

#include "../journal/full_disk.h"
#include "../journal/test_answers.h"
#include "coach/progress_report.h"
#include "practice_window.h"

namespace lintra::app {
namespace {

using test::Questions;
using test::Window;
using JournalSafetyTest = test::PracticeTest;
namespace fs = std::filesystem;

std::int64_t LinesOf(const fs::path& file) {
  std::ifstream in(file);
  std::int64_t lines = 0;
  for (std::string line; std::getline(in, line);) ++lines;
  return lines;
}

std::int64_t AnswersIn(const fs::path& journal) {
  const std::string count = journal::test::Text(journal.string(), "SELECT count(*) FROM answers");
  return count.empty() ? -1 : std::stoll(count);
}

bool StartsWith(const std::string& text, std::string_view start) { return text.rfind(start, 0) == 0; }

TEST_F(JournalSafetyTest, AnswersTheJournalCannotTakeAreShownExportedOfferedAtCloseAndSavedOnce) {
  journal::test::FullDisk disk;
  Window w(folder_, true);
  Questions(w, 2, 500);
  w.trainer->Coach().Journal().Flush();
  disk.full = true;
  Questions(w, 2, 500);
  w.trainer->Coach().Journal().Flush();
  Questions(w, 1, 500);  // the trouble is told with the next answer, once
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_TRUE(StartsWith(w.dialogs.boxes[0], "The practice journal cannot be written (database or disk is full)."));

  w.Menu("ShowProgress");
  const coach::ProgressReport report = coach::ReadProgress(w.progress.request);
  EXPECT_EQ(report.status, coach::ProgressReport::Status::Ready);
  EXPECT_TRUE(StartsWith(report.message, "Answers not yet saved in the practice journal: 3.")) << report.message;
  ASSERT_EQ(report.sessions.size(), 1u);
  EXPECT_EQ(report.sessions[0].firstTries, 5);
  w.dialogs.savePath = (folder_ / "held.csv").string();
  w.Menu("ExportJournal");
  EXPECT_EQ(LinesOf(folder_ / "held.csv"), 6);
  EXPECT_TRUE(StartsWith(w.dialogs.boxes.back(), "The file holds every answer")) << w.dialogs.boxes.back();

  disk.full = false;
  Questions(w, 1, 500);
  w.trainer->Coach().Journal().Flush();
  EXPECT_EQ(AnswersIn(folder_ / "journal.sqlite"), 6);  // each once

  disk.full = true;
  Questions(w, 1, 500);
  const std::size_t asked = w.dialogs.questions.size();
  w.dialogs.savePath = (folder_ / "at close.csv").string();
  w.form->FormClose();
  ASSERT_EQ(w.dialogs.questions.size(), asked + 2);  // the offer, and where to
  EXPECT_TRUE(StartsWith(w.dialogs.questions[asked], "Answers not saved in the practice journal: 1."));
  EXPECT_EQ(LinesOf(folder_ / "at close.csv"), 8);
}

TEST_F(JournalSafetyTest, AResetOrExportThatCannotBeDoneSaysWhyAndLeavesNoEmptyFile) {
  Window w(folder_, true);
  Questions(w, 2, 500);
  w.trainer->Coach().Journal().Flush();
  {
    journal::test::FullDisk disk;
    disk.full = true;
    w.Menu("ResetProgress");
  }
  EXPECT_EQ(w.dialogs.boxes.back(),
            "Your progress was not reset: a new practice journal could not be made (database or disk is full). The "
            "old one is kept as it was.");
  for (const auto& entry : fs::directory_iterator(folder_)) {
    EXPECT_EQ(entry.path().filename().string().find("backup"), std::string::npos) << entry.path();
  }
  EXPECT_EQ(AnswersIn(folder_ / "journal.sqlite"), 2);

  // A limit on the size of files this program writes stands in for a full disk: the journal is
  // written, the export finds no room.
  rlimit before{};
  getrlimit(RLIMIT_FSIZE, &before);
  rlimit small = before;
  small.rlim_cur = 100;
  const auto previous = signal(SIGXFSZ, SIG_IGN);
  w.dialogs.savePath = (folder_ / "answers.csv").string();
  setrlimit(RLIMIT_FSIZE, &small);
  w.Menu("ExportJournal");
  setrlimit(RLIMIT_FSIZE, &before);
  signal(SIGXFSZ, previous);
  EXPECT_TRUE(StartsWith(w.dialogs.boxes.back(), "The journal could not be exported to \"" +
                                                     (folder_ / "answers.csv").string() + "\": the disk is full."))
      << w.dialogs.boxes.back();
  EXPECT_FALSE(fs::exists(folder_ / "answers.csv"));
  EXPECT_FALSE(fs::exists(folder_ / "answers.csv.part"));
}

TEST_F(JournalSafetyTest, ASecondTrainerOnTheJournalIsToldOnceAndNeitherMayResetIt) {
  Window first(folder_, true);
  Window second(folder_, true);
  ASSERT_EQ(second.dialogs.boxes.size(), 1u);
  EXPECT_TRUE(StartsWith(second.dialogs.boxes[0], "Another Lintra window is open with the same practice journal."));
  Questions(first, 2, 500);
  first.trainer->Coach().Journal().Flush();
  Questions(first, 2, 500);
  ASSERT_EQ(first.dialogs.boxes.size(), 1u);
  EXPECT_EQ(first.dialogs.boxes[0], second.dialogs.boxes[0]);
  first.Menu("ResetProgress");
  EXPECT_TRUE(StartsWith(first.dialogs.boxes.back(),
                         "Your progress was not reset: another Lintra window is using the same practice journal."));
  EXPECT_EQ(AnswersIn(folder_ / "journal.sqlite"), 4);
}

}  // namespace
}  // namespace lintra::app

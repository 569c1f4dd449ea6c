// What the recall model is rebuilt from: a key's first tries in the order they were answered.
#include "journal/first_tries.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "journal/journal.h"
#include "test_answers.h"

namespace lintra::journal {
namespace {

using test::Answer;
constexpr std::int64_t kMonday = 1765152000000;  // 2025-12-08T00:00:00Z

TEST(JournalFirstTries, AKeysFirstTriesComeInTheOrderAnsweredWhateverTheClockSaid) {
  test::TempFolder folder;
  Journal journal(folder.file("j.sqlite"));
  journal.Append(Answer(kMonday + 5000, 1, 40, true, 900));
  journal.Append(Answer(kMonday + 6000, 1, 3, false, 1500));
  journal.Append(Answer(kMonday + 7000, 1, 3, true, 800, 2));  // a second try
  AnswerRecord otherKey = Answer(kMonday + 8000, 1, 41, true, 700);
  otherKey.keyItem = "FMajor1";
  journal.Append(otherKey);
  AnswerRecord played = Answer(kMonday + 9000, 1, 42, true, 700);
  played.exercise = Exercise::PlayKeyboard;
  journal.Append(played);
  journal.Append(Answer(kMonday - 3600000, 2, 44, true, 1200));  // the clock was set back an hour
  // A row no program of ours writes: a note outside the table.
  ASSERT_EQ(sqlite3_exec(journal.db(), "UPDATE answers SET slot = 200 WHERE id = 1", nullptr, nullptr, nullptr),
            SQLITE_OK);
  journal.Append(Answer(kMonday + 10000, 2, 40, false, 2500));

  const auto tries = FirstTriesInOrder(journal.db(), "GMajor1");
  ASSERT_EQ(tries.size(), 3u);
  EXPECT_EQ(tries[0].slot, 3);
  EXPECT_FALSE(tries[0].right);
  EXPECT_EQ(tries[0].responseMs, 1500);
  EXPECT_EQ(tries[0].utcMs, kMonday + 6000);
  EXPECT_EQ(tries[1].slot, 44);
  EXPECT_EQ(tries[1].utcMs, kMonday - 3600000);
  EXPECT_EQ(tries[2].slot, 40);
  EXPECT_TRUE(FirstTriesInOrder(journal.db(), "DMajor1").empty());
}

}  // namespace
}  // namespace lintra::journal

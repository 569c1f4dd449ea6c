// The model the weak-note pick starts from when it meets a key: the journal's first tries, in the order
// they were answered. The model reads that order as the order of the questions, so reading the notes
// one after another would make the notes read first look long unasked.
#include "coach/reading_history.h"

#include <gtest/gtest.h>

#include "../journal/test_answers.h"
#include "journal/journal.h"

namespace lintra::coach {
namespace {

using journal::test::Answer;

TEST(ReadingHistory, TheJournalsFirstTriesAreWeighedInTheOrderTheyWereAnswered) {
  journal::test::TempFolder folder;
  journal::Journal journal(folder.file("j.sqlite"));
  practice::ReadingModel expected;
  // Three notes in turn, the lowest missed at first and then read, the others the other way round:
  // more than the 25 questions after which the model learns where notes start.
  const int slots[] = {40, 12, 3};
  std::int64_t t = 1765152000000;
  for (int round = 0; round < 9; ++round) {
    for (const int slot : slots) {
      const bool right = slot == 3 ? round >= 5 : round < 5 || slot == 40;
      const std::int64_t responseMs = 700 + 150 * ((round + slot) % 7);
      journal.Append(Answer(t, 1, slot, right, responseMs));
      journal.Append(Answer(t + 300, 1, slot, true, responseMs + 900, 2));  // a second try weighs nothing
      expected.Observe({static_cast<theory::NoteSlot>(slot), right, responseMs, t});
      t += 4000;
    }
  }
  const auto read = ReadingFromJournal(journal.Reader(), theory::KeyId::GMajor);
  for (const int slot : slots) {
    const auto s = static_cast<theory::NoteSlot>(slot);
    EXPECT_EQ(read->MasteryOf(s, t).firstTries, 9) << slot;
    EXPECT_DOUBLE_EQ(read->MasteryOf(s, t).figure, expected.MasteryOf(s, t).figure) << slot;
  }
}

}  // namespace
}  // namespace lintra::coach

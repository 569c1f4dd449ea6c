#include "practice/mastery.h"

#include <gtest/gtest.h>

#include "practice/answer_record.h"
#include "tests/practice/practice_testing.h"

namespace lintra::practice {
namespace {

using fixtures::Input;
using fixtures::Slot;

AnswerRecord Answer(theory::KeyId key, const char* question, bool right, std::int64_t ms, int attempt = 1) {
  const auto slot = Slot(question);
  const int midi = theory::SpelledNoteTable().at(slot).midiNote;
  return MakeAnswerRecord(Input(key, slot, right ? midi : midi - 1, ms, attempt), 1);
}

TEST(Mastery, MovesFromNewThroughLearningToFluentOverTheLastTenFirstTries) {
  MasteryMap map;
  const NoteKey fSharp = NoteKeyOf(theory::KeyId::GMajor, Slot("F#3"));
  map.Add(Answer(theory::KeyId::GMajor, "F#3", true, 900));
  map.Add(Answer(theory::KeyId::GMajor, "F#3", true, 900));
  EXPECT_EQ(map.Of(fSharp).state, MasteryState::New);
  map.Add(Answer(theory::KeyId::GMajor, "F#3", false, 3000));
  map.Add(Answer(theory::KeyId::GMajor, "F#3", true, 400, 2));  // a second try does not count
  EXPECT_EQ(map.Of(fSharp).state, MasteryState::Learning);
  EXPECT_EQ(map.Of(fSharp).attempts, 3);
  for (int i = 0; i < 8; ++i) map.Add(Answer(theory::KeyId::GMajor, "F#3", true, 1500));
  // Eleven first tries: the first one has left the window; nine of the last ten right.
  EXPECT_EQ(map.Of(fSharp).recent, 10);
  EXPECT_EQ(map.Of(fSharp).recentRight, 9);
  EXPECT_EQ(map.Of(fSharp).medianMs, 1500.0);
  EXPECT_EQ(map.Of(fSharp).state, MasteryState::Fluent);
  map.Add(Answer(theory::KeyId::GMajor, "F#3", false, 1500));
  EXPECT_EQ(map.Of(fSharp).state, MasteryState::Learning);  // eight of ten
  // The same note in another key is a note of its own.
  EXPECT_EQ(map.Of(NoteKeyOf(theory::KeyId::DMajor, Slot("F#3"))).attempts, 0);
}

TEST(Mastery, AccurateButSlowReadingIsNotFluent) {
  MasteryMap map;
  const NoteKey c = NoteKeyOf(theory::KeyId::CMajor, Slot("C3"));
  for (int i = 0; i < 5; ++i) map.Add(Answer(theory::KeyId::CMajor, "C3", true, 3000));
  for (int i = 0; i < 5; ++i) map.Add(Answer(theory::KeyId::CMajor, "C3", true, 1000));
  EXPECT_EQ(map.Of(c).medianMs, 2000.0);  // the mean of the middle two
  EXPECT_EQ(map.Of(c).state, MasteryState::Learning);
  map.Add(Answer(theory::KeyId::CMajor, "C3", true, 1000));  // a slow one leaves the window
  EXPECT_EQ(map.Of(c).medianMs, 1000.0);
  EXPECT_EQ(map.Of(c).state, MasteryState::Fluent);
}

}  // namespace
}  // namespace lintra::practice

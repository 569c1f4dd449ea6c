// The states and figures the Progress window shows, as the weak-note pick's model gives them.
#include "practice/reading_model.h"

#include <gtest/gtest.h>

namespace lintra::practice {
namespace {

TEST(ReadingModel, ANoteIsNewBelowThreeFirstTriesThenLearningUntilTheModelThinksItFluent) {
  ReadingModel model;
  std::int64_t now = 1796601600000;  // answers 4 s apart
  constexpr theory::NoteSlot kNote = 42, kOther = 45;
  EXPECT_EQ(model.MasteryOf(kNote, now).firstTries, 0);
  EXPECT_EQ(model.MasteryOf(kNote, now).figure, 0.0);
  model.Observe({kNote, true, 900, now += 4000});
  model.Observe({kNote, true, 900, now += 4000});
  EXPECT_EQ(model.MasteryOf(kNote, now).state, MasteryState::New);
  EXPECT_EQ(model.MasteryOf(kNote, now).firstTries, 2);
  model.Observe({kNote, false, 900, now += 4000});
  EXPECT_EQ(model.MasteryOf(kNote, now).state, MasteryState::Learning);
  double figure = model.MasteryOf(kNote, now).figure;
  for (int i = 0; i < 20 && model.MasteryOf(kNote, now).state != MasteryState::Fluent; ++i) {
    model.Observe({kNote, true, 900, now += 4000});
    EXPECT_GE(model.MasteryOf(kNote, now).figure, figure - 1e-9);
    figure = model.MasteryOf(kNote, now).figure;
  }
  EXPECT_EQ(model.MasteryOf(kNote, now).state, MasteryState::Fluent);
  EXPECT_GT(figure, 50.0);
  EXPECT_LE(figure, 100.0);
  // A note missed as often as not stays learning, with a low figure.
  for (int i = 0; i < 12; ++i) model.Observe({kOther, i % 2 == 0, 1500, now += 4000});
  EXPECT_EQ(model.MasteryOf(kOther, now).state, MasteryState::Learning);
  EXPECT_LT(model.MasteryOf(kOther, now).figure, 50.0);
}

}  // namespace
}  // namespace lintra::practice

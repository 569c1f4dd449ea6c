#include "practice/recall_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "practice/recall_forecast.h"

namespace lintra::practice {
namespace {

constexpr std::int64_t kMinute = 60'000;
constexpr std::int64_t kHour = 60 * kMinute;
constexpr std::int64_t kDay = 24 * kHour;
constexpr std::int64_t kMonday = 1765152000000;  // 2025-12-08T00:00:00Z, a morning sitting at 08:00
constexpr std::int64_t kMorning = kMonday + 8 * kHour;

// A sitting in which every note of `slots` is answered right `rounds` times, 4 s apart.
std::int64_t Sitting(RecallModel& model, std::int64_t start, const std::vector<theory::NoteSlot>& slots, int rounds = 3,
                     bool right = true) {
  std::int64_t now = start;
  for (int round = 0; round < rounds; ++round) {
    for (const auto slot : slots) model.Observe({slot, right, 900, now += 4000});
  }
  return now;
}

TEST(RecallModel, RecallFadesWithTheClockAndARecallAfterAGapStrengthensMost) {
  RecallModel model;
  const std::vector<theory::NoteSlot> massed{40, 41, 42, 43};
  const std::vector<theory::NoteSlot> spaced{44, 45, 46, 47};
  std::vector<theory::NoteSlot> both = massed;
  both.insert(both.end(), spaced.begin(), spaced.end());
  // Both groups get the same answers; the second group's last one comes a day later.
  std::int64_t now = Sitting(model, kMorning, both, 1, false);
  now = Sitting(model, now, both, 2);
  now = Sitting(model, now, massed, 1);
  const double freshly = model.RecallNow(40, now);
  EXPECT_LT(model.RecallNow(40, now + kDay), freshly);
  EXPECT_LT(model.RecallNow(40, now + 7 * kDay), model.RecallNow(40, now + kDay));
  now = Sitting(model, now + kDay, spaced, 1);
  for (std::size_t i = 0; i < massed.size(); ++i) {
    EXPECT_GT(model.NoteNow(spaced[i], now).stabilityHours, model.NoteNow(massed[i], now).stabilityHours);
    EXPECT_GT(model.RecallNow(spaced[i], now + 3 * kDay), model.RecallNow(massed[i], now + 3 * kDay));
  }
  // A note never asked is judged where the pool's notes start, with nothing held.
  EXPECT_EQ(model.NoteNow(60, now).held, 0.0);
  EXPECT_EQ(model.StateNow(60, now), MasteryState::New);
}

TEST(RecallModel, AClockSetBackOrJumpingNeverUndoesForgettingNorSpoilsTheEstimates) {
  RecallModel model;
  const std::vector<theory::NoteSlot> notes{40, 41, 42};
  std::int64_t now = Sitting(model, kMorning, notes);
  // Asked for a time before the last answer: no time has passed, so no recall is gained.
  EXPECT_EQ(model.RecallNow(40, now - kDay), model.RecallNow(40, now - 10 * kDay));
  EXPECT_GE(model.RecallNow(40, now - kDay), model.RecallNow(40, now));
  // The clock is set back ten days and then jumps fifty years ahead; then it is right again.
  Sitting(model, now - 10 * kDay, notes, 1);
  Sitting(model, now + 50 * 365 * kDay, notes, 1);
  now = Sitting(model, now + kDay, notes, 2);
  for (const auto slot : notes) {
    const double recall = model.RecallNow(slot, now);
    EXPECT_TRUE(std::isfinite(recall) && recall > 0.0 && recall < 1.0) << recall;
    EXPECT_LT(model.RecallNow(slot, now + 30 * kDay), recall);  // it still fades from the new time
    const NoteRecall note = model.NoteNow(slot, now);
    EXPECT_TRUE(std::isfinite(note.stabilityHours) && note.stabilityHours > 0.0);
  }
  EXPECT_EQ(model.Answers(40), 7);
}

TEST(RecallModel, StatesAreNewLearningAndFluentFromTheSameRecallNow) {
  RecallModel model;
  std::int64_t now = kMorning;
  model.Observe({40, true, 900, now += 4000});
  model.Observe({40, true, 900, now += 4000});
  EXPECT_EQ(model.StateNow(40, now), MasteryState::New);
  for (int day = 0; day < 8; ++day) now = Sitting(model, kMorning + day * kDay, {40, 41}, 4);
  EXPECT_EQ(model.StateNow(40, now), MasteryState::Fluent);
  EXPECT_LT(model.NotFluentChance(40, now), 0.5);
  now = Sitting(model, now + kHour, {42, 43}, 8, false);
  EXPECT_EQ(model.StateNow(42, now), MasteryState::Learning);
  EXPECT_GT(model.NotFluentChance(42, now), 0.5);
  EXPECT_LT(model.RecallNow(42, now), model.RecallNow(40, now));
}

TEST(RecallForecast, NoAnswerWhileItCannotTellThenFewerDaysAtAFasterPace) {
  RecallModel model;
  const std::vector<theory::NoteSlot> pool{40, 41, 42, 43, 44, 45};
  EXPECT_FALSE(DaysToFluent(model, pool, 40, kMorning).has_value());  // nothing answered yet
  const std::vector<theory::NoteSlot> known{40, 41, 42, 43, 44};
  std::int64_t now = Sitting(model, kMorning, known, 2);
  now = Sitting(model, kMorning + kDay, known, 2);
  now = Sitting(model, now + kMinute, {45}, 3, false);
  EXPECT_FALSE(DaysToFluent(model, pool, 40, now).has_value());  // two days: a night's loss is unknown
  now = Sitting(model, kMorning + 2 * kDay, known, 2);
  EXPECT_TRUE(DaysToFluent(model, known, 40, now).has_value());
  const std::vector<theory::NoteSlot> withNew{40, 41, 50};
  EXPECT_FALSE(DaysToFluent(model, withNew, 40, now).has_value());
  const auto slow = DaysToFluent(model, pool, 10, now);
  const auto fast = DaysToFluent(model, pool, 60, now);
  ASSERT_TRUE(slow.has_value());
  ASSERT_TRUE(fast.has_value());
  EXPECT_GT(*fast, 0);
  EXPECT_LT(*fast, *slow);
  EXPECT_FALSE(DaysToFluent(model, pool, 0.5, now).has_value());  // no pace
  EXPECT_FALSE(DaysToFluent(model, {}, 40, now).has_value());
}

}  // namespace
}  // namespace lintra::practice

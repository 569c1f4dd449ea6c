#include "coach/practice_days.h"

#include <gtest/gtest.h>

#include "coach/daily_goal.h"
#include "coach/progress_summary.h"

namespace lintra::coach {
namespace {

constexpr std::int64_t kDayMs = 24LL * 60 * 60 * 1000;

TEST(PracticeDays, ALocalDayFollowsTheOffsetOnBothSidesOfTheEpoch) {
  EXPECT_EQ(LocalDay(10 * kDayMs + 23 * 3600'000LL, 0), 10);
  EXPECT_EQ(LocalDay(10 * kDayMs + 23 * 3600'000LL, 60), 11);
  EXPECT_EQ(LocalDay(10 * kDayMs + 3600'000LL, -300), 9);
  EXPECT_EQ(LocalDay(-1, 0), -1);
  EXPECT_EQ(LocalDay(0, -1), -1);
}

TEST(PracticeDays, AStreakIsTheRunOfDaysWithTheGoalMetEndingTodayOrYesterday) {
  const DayCounts days{{1, 40}, {2, 45}, {3, 40}, {4, 12}, {5, 40}, {6, 50}};
  EXPECT_EQ(CountStreaks(days, 40, 6).current, 2);
  EXPECT_EQ(CountStreaks(days, 40, 7).current, 2);  // today is not over yet
  EXPECT_EQ(CountStreaks(days, 40, 8).current, 0);  // a day missed
  EXPECT_EQ(CountStreaks(days, 40, 6).best, 3);
  EXPECT_EQ(CountStreaks(days, 45, 6).current, 1);
  EXPECT_EQ(CountStreaks(days, 0, 6).current, 0);
  // Today with the goal not yet met leaves yesterday's run standing.
  EXPECT_EQ(CountStreaks({{5, 40}, {6, 3}}, 40, 6).current, 1);
  // A day a clock once ahead wrote is not part of today's run.
  EXPECT_EQ(CountStreaks({{5, 40}, {6, 40}, {9, 40}}, 40, 6).current, 2);
}

// The calendar's shades: none for a day without practice, the darkest for the busiest day, and a
// day with a single question still visible beside a busy one.
TEST(PracticeDays, CalendarShadesRunFromNoneToTheBusiestDay) {
  EXPECT_EQ(CalendarLevel(0, 40), 0);
  EXPECT_EQ(CalendarLevel(1, 400), 1);
  EXPECT_EQ(CalendarLevel(20, 40), 2);
  EXPECT_EQ(CalendarLevel(40, 40), 4);
  EXPECT_EQ(CalendarLevel(5, 0), 0);
}

TEST(PracticeDays, AGoalIsAWholeNumberOfQuestionsOrNone) {
  EXPECT_EQ(ParseDailyGoal(""), 0);
  EXPECT_EQ(ParseDailyGoal("  0 "), 0);
  EXPECT_EQ(ParseDailyGoal(" 40\t"), 40);
  EXPECT_EQ(ParseDailyGoal("10000"), 10000);
  for (const char* bad : {"-5", "4 0", "forty", "10001", "99999999999", "3.5"}) {
    EXPECT_FALSE(ParseDailyGoal(bad).has_value()) << bad;
  }
  EXPECT_EQ(DailyGoalText(23, 40, 1), "Today: 23 of 40. 1 day in a row.");
  EXPECT_EQ(DailyGoalText(40, 40, 5), "Today's goal is met: 40 of 40. 5 days in a row.");
}

}  // namespace
}  // namespace lintra::coach

// The daily goal across days: a session counts for the local day it began, and neither a midnight,
// a clock set back nor a journey loses or doubles a day.
#include <gtest/gtest.h>

#include <algorithm>

#include "practice_window.h"

namespace lintra::app {
namespace {

using test::Window;
using DailyGoalTest = test::PracticeTest;

constexpr std::int64_t kHour = 3600'000;
constexpr std::int64_t kDay = 24 * kHour;

// Starts the window at `ms` after the manual clock's first midnight (UTC), `offset` minutes from UTC.
std::function<void(ui::ManualClock&)> At(std::int64_t ms, int offset) {
  return [=](ui::ManualClock& clock) {
    clock.SetNow(ms);
    clock.SetUtcOffsetMinutes(offset);
  };
}

std::string StatusLine(Window& w) { return w.model.C(ui::control::StatusLine).text; }

TEST_F(DailyGoalTest, TheGoalIsCountedByTheLocalDayEachSessionBegan) {
  {
    Window w(folder_, true, 0, 0, At(12 * kHour, 60));  // Monday, 13:00 local
    EXPECT_FALSE(w.model.C(ui::control::StatusLine).visible);
    w.dialogs.input = "3";
    w.Menu("DailyGoal");
    EXPECT_EQ(StatusLine(w), "Today: 0 of 3.");
    EXPECT_TRUE(w.model.C(ui::control::StatusLine).visible);
    test::Questions(w, 3, 800);
    EXPECT_EQ(StatusLine(w), "Today's goal is met: 3 of 3. 1 day in a row.");
    w.form->FormClose();
  }
  {
    // Tuesday 23:58 local: the session goes on past midnight and counts for Tuesday.
    Window w(folder_, true, 0, 0, At(kDay + 22 * kHour + 58 * 60'000, 60));
    EXPECT_EQ(StatusLine(w), "Today: 0 of 3. 1 day in a row.");
    test::Questions(w, 1, 800);
    w.Wait(5 * 60'000);
    test::Questions(w, 2, 800);
    EXPECT_EQ(StatusLine(w), "Today's goal is met: 3 of 3. 2 days in a row.");
    w.form->FormClose();
  }
  {
    // The clock set back to Monday: Monday gains, Tuesday is not lost.
    Window w(folder_, true, 0, 0, At(14 * kHour, 60));
    test::Questions(w, 1, 800);
    EXPECT_EQ(StatusLine(w), "Today's goal is met: 4 of 3. 1 day in a row.");
    w.form->FormClose();
  }
  {
    // Wednesday after a journey west (UTC-5, 04:00 local): Monday and Tuesday still stand.
    Window w(folder_, true, 0, 0, At(2 * kDay + 9 * kHour, -300));
    EXPECT_EQ(StatusLine(w), "Today: 0 of 3. 2 days in a row.");
    w.dialogs.input = "0";
    w.Menu("DailyGoal");
    EXPECT_FALSE(w.model.C(ui::control::StatusLine).visible);
    w.dialogs.input = "many";
    w.Menu("DailyGoal");
    EXPECT_EQ(w.dialogs.boxes.back(), "Please enter a whole number of questions from 0 to 10000.");
    w.form->FormClose();
  }
  const auto lines = LoadDeviceSettings(DeviceSettingsPath(folder_).parent_path() / "options.qor");
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l.starts_with("DailyGoal"); }), 0);
}

// With the time and mistake shown too, the goal follows them on the same line, once.
TEST_F(DailyGoalTest, TheGoalFollowsTheTimeAndMistakeOnOneLine) {
  Window w(folder_, false);
  w.Menu("ShowTimeAndMistake");
  w.dialogs.input = "5";
  w.Menu("DailyGoal");
  test::Questions(w, 1, 1400);
  EXPECT_EQ(StatusLine(w), "1.4 s Today: 1 of 5.");
  w.dialogs.input = "1";
  w.Menu("DailyGoal");
  EXPECT_EQ(StatusLine(w), "1.4 s Today's goal is met: 1 of 1. 1 day in a row.");
  w.dialogs.input = "";
  w.Menu("DailyGoal");
  EXPECT_EQ(StatusLine(w), "1.4 s");
  w.dialogs.input = "1";
  w.Menu("DailyGoal");
  w.Menu("ShowTimeAndMistake");
  EXPECT_EQ(StatusLine(w), "Today's goal is met: 1 of 1. 1 day in a row.");
  EXPECT_TRUE(w.model.C(ui::control::StatusLine).visible);
}

}  // namespace
}  // namespace lintra::app

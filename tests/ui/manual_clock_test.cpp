#include "testing/manual_clock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lintra::ui {
namespace {

struct Ticks {
  std::vector<std::string> log;
  void Attach(ManualClock& clock, Timer& timer) {
    timer.OnTimer = [this, &clock, &timer] { log.push_back(timer.Name() + "@" + std::to_string(clock.Now())); };
  }
};

TEST(ManualClock, TimersFollowTheWindowTimerRules) {
  ManualClock clock(0);
  auto timer = clock.CreateTimer("T", 100);
  Ticks ticks;
  ticks.Attach(clock, *timer);

  timer->SetEnabled(true);
  clock.Advance(250);
  EXPECT_EQ(ticks.log, (std::vector<std::string>{"T@100", "T@200"})) << "a tick stops nothing by itself";

  timer->SetEnabled(true);  // enabling a running timer leaves its count running
  clock.Advance(50);
  EXPECT_EQ(ticks.log.back(), "T@300");

  clock.Advance(40);        // now 340
  timer->SetInterval(100);  // the same interval changes nothing
  clock.Advance(0);
  timer->SetInterval(30);  // a new interval restarts the count: next tick at 370
  clock.Advance(30);
  EXPECT_EQ(ticks.log.back(), "T@370");

  timer->SetEnabled(false);
  clock.Advance(1000);
  EXPECT_EQ(ticks.log.back(), "T@370");
}

TEST(ManualClock, DueTicksRunInTimeOrderAndEarlierTimersFirst) {
  ManualClock clock(0);
  auto first = clock.CreateTimer("Timer1", 600);
  auto second = clock.CreateTimer("Timer3", 300);
  Ticks ticks;
  ticks.Attach(clock, *first);
  ticks.Attach(clock, *second);
  first->SetEnabled(true);
  second->SetEnabled(true);
  // A tick that disables its timer stops it; the other keeps going.
  first->OnTimer = [&] {
    ticks.log.push_back("Timer1@" + std::to_string(clock.Now()));
    first->SetEnabled(false);
  };
  clock.Advance(600);
  EXPECT_EQ(ticks.log, (std::vector<std::string>{"Timer3@300", "Timer1@600", "Timer3@600"}));
}

TEST(ManualClock, TimeOfDayWrapsAtMidnight) {
  ManualClock clock(kMsPerDay - 5);
  EXPECT_EQ(clock.TimeOfDayMs(), kMsPerDay - 5);
  clock.Advance(10);
  EXPECT_EQ(clock.TimeOfDayMs(), 5);
}

}  // namespace
}  // namespace lintra::ui

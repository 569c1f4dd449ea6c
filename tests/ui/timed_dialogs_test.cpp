#include "ui/timed_dialogs.h"

#include <gtest/gtest.h>

#include "testing/manual_clock.h"
#include "testing/recording_dialogs.h"

namespace lintra::ui {
namespace {

// A box opened inside another counts once; a box open across midnight counts from its opening; a box
// that ends by an exception is closed all the same.
TEST(TimedDialogs, CountsTheTimeAnyBoxIsOpenOnce) {
  ManualClock clock(kMsPerDay - 1000);
  RecordingDialogs shown;
  TimedDialogs boxes(shown, clock);
  int depth = 0;
  shown.whileOpen = [&] {
    clock.Advance(700);
    if (++depth == 1) boxes.Message("inner");
    EXPECT_EQ(boxes.OpenMs(), 1400);
  };
  boxes.Message("outer");
  EXPECT_EQ(boxes.OpenMs(), 1400);
  EXPECT_EQ(shown.boxes, (std::vector<std::string>{"outer", "inner"}));

  clock.Advance(5000);
  shown.whileOpen = [&] {
    clock.Advance(300);
    throw DialogNotAnswered{"no answer"};
  };
  EXPECT_THROW(boxes.Confirm("?"), DialogNotAnswered);
  clock.Advance(5000);
  EXPECT_EQ(boxes.OpenMs(), 1700);
}

}  // namespace
}  // namespace lintra::ui

#include "app/text_numbers.h"

#include <gtest/gtest.h>

namespace lintra::app {
namespace {

TEST(StrToInt, ReadsWholeDecimalNumbers) {
  EXPECT_EQ(StrToInt("42"), 42);
  EXPECT_EQ(StrToInt("007"), 7);
  EXPECT_EQ(StrToInt("-5"), -5);
  EXPECT_EQ(StrToInt("+3"), 3);
  EXPECT_EQ(StrToInt("  12"), 12);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
}

TEST(StrToInt, RefusesAnythingElseWithTheConversionMessage) {
  for (const char* text : {"", " ", "-", "abc", "4 2", "12a", "1.5", "12 ", "2147483648", "99999999999"}) {
    std::int32_t value = 77;
    EXPECT_FALSE(TryStrToInt(text, value)) << '"' << text << '"';
    EXPECT_EQ(value, 77) << "a refused text leaves the value alone";
  }
  try {
    StrToInt("abc");
    FAIL() << "no error raised";
  } catch (const EConvertError& error) {
    EXPECT_STREQ(error.what(), "'abc' is not a valid integer value");
  }
}

TEST(ReadThreshold, FallsBackToTheDefaultAndStoresTheNumberAsText) {
  struct Case {
    const char* typed;
    std::int32_t value;
    const char* stored;
  };
  for (const Case& c : {Case{"abc", 40, "40"}, Case{"", 40, "40"}, Case{"0", 40, "40"}, Case{"-5", 40, "40"},
                        Case{"007", 7, "7"}, Case{"300", 300, "300"}, Case{"1", 1, "1"}}) {
    std::string text = c.typed;
    EXPECT_EQ(ReadThreshold(text, 40), c.value) << c.typed;
    EXPECT_EQ(text, c.stored) << c.typed;
  }
}

TEST(ScoreText, TruncatesToTwoDigitsAfterARightAnswerAndOneAfterAWrongOne) {
  EXPECT_EQ(ScoreText(3, 1, 2), "66.66%");
  EXPECT_EQ(ScoreText(3, 1, 1), "66.6%");
  EXPECT_EQ(ScoreText(11, 10, 2), "9.09%");
  EXPECT_EQ(ScoreText(4, 0, 2), "100.00%");
  EXPECT_EQ(ScoreText(1, 1, 1), "0.0%");
  EXPECT_EQ(ScoreText(45, 5, 2), "88.88%");
  EXPECT_EQ(ScoreText(3, 2, 2), "33.33%");
  EXPECT_EQ(ScoreText(200, 199, 2), "0.50%");
  EXPECT_EQ(ScoreText(1000, 999, 1), "0.1%");
}

TEST(ScoreText, ExactPercentagesDoNotLoseAHundredthToBinaryFractions) {
  // 29 / 100 x 100 is 28.999... in binary floating point.
  EXPECT_EQ(ScoreText(100, 71, 2), "29.00%");
  EXPECT_EQ(ScoreText(100, 43, 2), "57.00%");
  EXPECT_EQ(ScoreText(100, 93, 1), "7.0%");
  EXPECT_EQ(ScoreText(1000, 420, 2), "58.00%");
}

TEST(ThresholdTest, NeedsTheCountAndMoreThanThePercentage) {
  EXPECT_TRUE(ThresholdTest(40, 0, 40, 90));
  EXPECT_FALSE(ThresholdTest(39, 0, 40, 90)) << "one right answer short";
  EXPECT_FALSE(ThresholdTest(45, 5, 40, 90)) << "88.88% is not above 90%";
  EXPECT_FALSE(ThresholdTest(50, 5, 40, 90)) << "exactly 90% does not pass";
  EXPECT_TRUE(ThresholdTest(49, 4, 40, 90));
  EXPECT_FALSE(ThresholdTest(40, 0, 40, 100)) << "100% never passes";
  EXPECT_FALSE(ThresholdTest(100, 93, 7, 7)) << "exactly 7%, which binary floating point overstates";
  EXPECT_TRUE(ThresholdTest(101, 93, 7, 7));
  EXPECT_FALSE(ThresholdTest(0, 0, 1, 1)) << "no answers yet";
}

}  // namespace
}  // namespace lintra::app

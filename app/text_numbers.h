// Numbers typed by the user or read from files, and the score texts.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace lintra::app {

class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A whole decimal number with optional blanks before it and an optional sign;
// anything else raises "'TEXT' is not a valid integer value".
std::int32_t StrToInt(const std::string& text);
bool TryStrToInt(const std::string& text, std::int32_t& value);

// Reads a threshold typed into a prompt: not a number gives the default; the
// number is stored back as text; below 1 the default text is stored instead.
std::int32_t ReadThreshold(std::string& text, std::int32_t defaultValue);

// The percentage of correct answers, truncated (not rounded) to two or one
// fraction digits: "66.66%", "66.6%", "9.09%", "100.00%", "0.0%".  Worked
// out in integers, so 29 of 100 reads 29.00%, never 28.99%.
std::string ScoreText(std::int32_t answers, std::int32_t wrong, int fractionDigits);

// correct >= countThreshold and correct / answers x 100 > scoreThreshold,
// compared exactly (a score equal to the threshold does not pass).
bool ThresholdTest(std::int32_t answers, std::int32_t wrong, std::int32_t countThreshold, std::int32_t scoreThreshold);

}  // namespace lintra::app

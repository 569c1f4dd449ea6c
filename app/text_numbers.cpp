#include "app/text_numbers.h"

#include <cstdlib>

#include "ui/translate.h"

namespace lintra::app {

bool TryStrToInt(const std::string& text, std::int32_t& value) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size()) return false;
  std::int64_t number = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return false;
    number = number * 10 + (c - '0');
    if (number > 2147483648LL) return false;
  }
  if (negative) number = -number;
  if (number > INT32_MAX || number < INT32_MIN) return false;
  value = static_cast<std::int32_t>(number);
  return true;
}

std::int32_t StrToInt(const std::string& text) {
  std::int32_t value = 0;
  if (!TryStrToInt(text, value)) {
    throw EConvertError(ui::Args(ui::Tr("Messages", "'%1' is not a valid integer value"), {text}));
  }
  return value;
}

std::int32_t ReadThreshold(std::string& text, std::int32_t defaultValue) {
  std::int32_t value = 0;
  if (!TryStrToInt(text, value)) value = defaultValue;
  text = std::to_string(value);
  if (value < 1) {
    value = defaultValue;
    text = std::to_string(defaultValue);
  }
  return value;
}

std::string ScoreText(std::int32_t answers, std::int32_t wrong, int fractionDigits) {
  if (answers <= 0) return "0." + std::string(static_cast<std::size_t>(fractionDigits), '0') + "%";
  const std::int64_t correct = static_cast<std::int64_t>(answers) - wrong;
  const std::int64_t unit = fractionDigits == 2 ? 100 : 10;
  const std::int64_t scaled = correct * 100 * unit / answers;  // truncates toward zero
  const std::int64_t whole = scaled / unit;
  std::string fraction = std::to_string(std::llabs(scaled % unit));
  while (fraction.size() < static_cast<std::size_t>(fractionDigits)) fraction.insert(0, "0");
  const std::string sign = (scaled < 0 && whole == 0) ? "-" : "";
  return sign + std::to_string(whole) + "." + fraction + "%";
}

bool ThresholdTest(std::int32_t answers, std::int32_t wrong, std::int32_t countThreshold, std::int32_t scoreThreshold) {
  if (answers <= 0) return false;
  const std::int64_t correct = static_cast<std::int64_t>(answers) - wrong;
  return correct >= countThreshold && correct * 100 > static_cast<std::int64_t>(scoreThreshold) * answers;
}

}  // namespace lintra::app

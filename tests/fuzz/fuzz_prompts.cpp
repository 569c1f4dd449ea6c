// The numbers typed into prompts: the number reader against a plain reference,
// the threshold rule, and the whole window answering the AutoAdvance and
// Instrument prompts with the same text.
//
// Input: the typed text; a byte 0xFF splits it into the count, the score and
// the instrument texts (missing ones repeat the first).
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/form2.h"
#include "app/text_numbers.h"
#include "fuzz_check.h"
#include "script_lines.h"
#include "tools/scenario/runner.h"

using lintra::fuzz::AnswerOk;
using lintra::fuzz::Command;

namespace {

// Blanks or tabs, an optional sign, then only digits, within 32 bits.
std::optional<std::int32_t> Reference(const std::string& text) {
  std::size_t i = text.find_first_not_of(" \t");
  if (i == std::string::npos) return std::nullopt;
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > (std::int64_t{1} << 31)) return std::nullopt;
  }
  value = negative ? -value : value;
  if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

void CheckNumbers(const std::string& text) {
  std::int32_t value = 12345;
  const bool ok = lintra::app::TryStrToInt(text, value);
  const auto expected = Reference(text);
  FUZZ_CHECK(ok == expected.has_value());
  if (ok) FUZZ_CHECK(value == *expected);
  try {
    FUZZ_CHECK(lintra::app::StrToInt(text) == *expected);
    FUZZ_CHECK(ok);
  } catch (const lintra::app::EConvertError& error) {
    FUZZ_CHECK(!ok);
    // what() ends at the first NUL byte, so only whole texts compare.
    if (text.find('\0') == std::string::npos)
      FUZZ_CHECK(std::string(error.what()) == "'" + text + "' is not a valid integer value");
  }
  std::string threshold = text;
  const std::int32_t read = lintra::app::ReadThreshold(threshold, 40);
  FUZZ_CHECK(read >= 1);
  FUZZ_CHECK(threshold == std::to_string(read));
  FUZZ_CHECK(read == (ok && *expected >= 1 ? *expected : 40));
}

std::int32_t Threshold(std::string text, std::int32_t defaultValue) {
  return lintra::app::ReadThreshold(text, defaultValue);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4096) return 0;
  std::vector<std::string> texts(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0xFF) {
      texts.emplace_back();
    } else {
      texts.back().push_back(static_cast<char>(data[i]));
    }
  }
  while (texts.size() < 3) texts.push_back(texts.front());
  for (const auto& text : texts) CheckNumbers(text);

  std::ostringstream transcript;
  lintra::scenario::Runner runner(transcript);
  runner.Execute(Command("midi-out-devices", {"Synth"}));
  runner.Execute(Command("start"));
  runner.Execute(Command("wait", {"10"}));
  auto& form = *runner.Form();

  // AutoAdvance On with both prompts confirmed: the thresholds read as the rule says.
  runner.Execute(AnswerOk(texts[0]));
  runner.Execute(AnswerOk(texts[1]));
  runner.Execute(Command("click", {"On1"}));
  FUZZ_CHECK(form.CorrectThreshold == std::to_string(Threshold(texts[0], 40)));
  FUZZ_CHECK(form.ScoreThreshold == std::to_string(Threshold(texts[1], 90)));
  FUZZ_CHECK(form.Model().M(lintra::ui::menu::On1).checked);
  FUZZ_CHECK(form.AnswerCount == 0 && form.WrongCount == 0);

  // Instrument: a program number 0 to 127 is taken; another number is refused
  // with a message (a data byte above 127 would garble the device's stream);
  // a text that is no number is an error box.  Either refusal keeps the program.
  const std::int8_t before = form.Instrument;
  const std::size_t mark = transcript.str().size();
  runner.Execute(AnswerOk(texts[2]));
  runner.Execute(Command("click", {"Instrument1"}));
  const auto value = Reference(texts[2]);
  const bool errorShown = transcript.str().find("dialog error", mark) != std::string::npos;
  FUZZ_CHECK(errorShown == !value.has_value());
  const bool taken = value && *value >= 0 && *value <= 127;
  FUZZ_CHECK(form.Instrument == (taken ? static_cast<std::int8_t>(*value) : before));
  runner.Finish(0);
  return 0;
}

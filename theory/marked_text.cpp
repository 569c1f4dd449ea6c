#include "theory/marked_text.h"

namespace lintra::theory {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FillMarkers(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
  const std::string_view* values = arguments.begin();
  std::string result;
  result.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && IsDigit(pattern[i + 1])) {
      std::size_t end = i + 2;
      std::size_t number = static_cast<std::size_t>(pattern[i + 1] - '0');
      if (end < pattern.size() && IsDigit(pattern[end]))
        number = number * 10 + static_cast<std::size_t>(pattern[end++] - '0');
      if (number >= 1 && number <= arguments.size()) {
        result += values[number - 1];
        i = end - 1;
        continue;
      }
    }
    result += pattern[i];
  }
  return result;
}

}  // namespace lintra::theory

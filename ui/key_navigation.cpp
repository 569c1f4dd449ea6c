#include "ui/key_navigation.h"

#include <cctype>

#include "ui/layout.h"

namespace lintra::ui {
namespace {

constexpr int kOctave = 12;

int KeyCount() { return static_cast<int>(Keyboard().size()); }

int Lower(char letter) { return std::tolower(static_cast<unsigned char>(letter)); }

}  // namespace

int KeyAfter(int from, KeyStep step) {
  int to = from;
  switch (step) {
    case KeyStep::Lower:
      to = from - 1;
      break;
    case KeyStep::Higher:
      to = from + 1;
      break;
    case KeyStep::OctaveLower:
      to = from - kOctave;
      break;
    case KeyStep::OctaveHigher:
      to = from + kOctave;
      break;
    case KeyStep::Lowest:
      return 0;
    case KeyStep::Highest:
      return KeyCount() - 1;
  }
  return to >= 0 && to < KeyCount() ? to : from;
}

std::optional<int> NextKeyNamed(int from, char letter, std::span<const std::string> names) {
  const int count = KeyCount();
  for (int offset = 1; offset <= count; ++offset) {
    const int key = (from + offset) % count;
    if (Keyboard()[static_cast<std::size_t>(key)].black || static_cast<std::size_t>(key) >= names.size()) continue;
    const std::string& name = names[static_cast<std::size_t>(key)];
    if (!name.empty() && Lower(name.front()) == Lower(letter)) return key;
  }
  return std::nullopt;
}

}  // namespace lintra::ui

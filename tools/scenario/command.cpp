#include "tools/scenario/command.h"

#include <cstdlib>

namespace lintra::scenario {

void Command::NeedStarted(bool started) const {
  if (static_cast<bool>(s.form) != started) {
    throw Fault(Name() + (started ? " needs start first" : " must come before start"));
  }
}

void Command::NeedArgs(std::size_t count) const {
  if (Args().size() != count) throw Fault(Name() + " takes " + std::to_string(count) + " argument(s)");
}

int Command::Number(const std::string& text, int low, int high) const {
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || value < low || value > high) throw Fault("bad number " + text);
  return static_cast<int>(value);
}

std::vector<std::uint8_t> Command::Bytes() const {
  std::vector<std::uint8_t> bytes;
  for (const auto& text : Args()) bytes.push_back(static_cast<std::uint8_t>(Number(text, 0, 255)));
  return bytes;
}

}  // namespace lintra::scenario

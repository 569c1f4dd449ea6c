// Builds runner commands without going through the script parser, so texts
// may hold any byte (line breaks and quotes included).
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "tools/scenario/script.h"

namespace lintra::fuzz {

inline scenario::ScriptLine Command(std::string command, std::vector<std::string> args = {},
                                    std::vector<bool> quoted = {}) {
  scenario::ScriptLine line;
  line.text = command;
  for (const auto& arg : args) line.text += " " + arg;
  line.command = std::move(command);
  line.args = std::move(args);
  line.quoted = quoted.empty() ? std::vector<bool>(line.args.size(), false) : std::move(quoted);
  return line;
}

// answer ok "TEXT"
inline scenario::ScriptLine AnswerOk(const std::string& text) { return Command("answer", {"ok", text}, {false, true}); }

}  // namespace lintra::fuzz

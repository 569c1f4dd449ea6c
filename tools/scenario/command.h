// One script command as its handler sees it, with the checks and the argument
// parsing that the commands share.  A fault is raised as a ScriptError that
// carries the line number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/scenario/runner_state.h"
#include "tools/scenario/script.h"

namespace lintra::scenario {

struct Command {
  RunnerState& s;
  const ScriptLine& line;

  const std::string& Name() const { return line.command; }
  const std::vector<std::string>& Args() const { return line.args; }
  ScriptError Fault(const std::string& message) const { return ScriptError(line.number, message); }

  // `started`: the command needs the window built; otherwise it is set-up and must come before start.
  void NeedStarted(bool started) const;
  void NeedArgs(std::size_t count) const;
  int Number(const std::string& text, int low, int high) const;
  // Every argument as a byte in decimal.
  std::vector<std::uint8_t> Bytes() const;
};

}  // namespace lintra::scenario

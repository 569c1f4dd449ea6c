// Arbitrary scenario text: the parser, then every command it yields run
// against the whole window as the runner runs a script, with waits shortened
// and the script cut at 200 commands so that one input stays quick.  Script
// faults are the runner's ordinary answer; anything else escaping is a bug.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz_check.h"
#include "tools/scenario/runner.h"
#include "tools/scenario/script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 16384) return 0;
  const std::string source(reinterpret_cast<const char*>(data), size);
  std::vector<lintra::scenario::ScriptLine> lines;
  try {
    lines = lintra::scenario::ParseScript(source);
  } catch (const lintra::scenario::ScriptError& error) {
    FUZZ_CHECK(error.Line() >= 1);
    return 0;
  }
  for (const auto& line : lines) {
    FUZZ_CHECK(!line.command.empty());
    FUZZ_CHECK(line.args.size() == line.quoted.size());
    FUZZ_CHECK(line.text.find('\n') == std::string::npos);
  }

  std::ostringstream transcript;
  lintra::scenario::Runner runner(transcript);
  int last = 0;
  std::size_t commands = 0;
  try {
    for (auto line : lines) {
      if (++commands > 200) break;
      if (line.command == "wait" && line.args.size() == 1 && line.args[0].size() > 5) line.args[0] = "60000";
      last = line.number;
      runner.Execute(line);
      if (runner.Quit()) break;
    }
    if (!runner.Quit() && commands <= 200) runner.Finish(last);
  } catch (const lintra::scenario::ScriptError& error) {
    FUZZ_CHECK(error.Line() >= 1);
  }
  return 0;
}

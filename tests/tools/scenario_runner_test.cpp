// The runner's script faults: each names its line and the rule broken, after
// the echo of the offending line, and leaves exit status 2.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tools/scenario/runner.h"

namespace {

struct Outcome {
  int status;
  std::string out, err;
};

Outcome RunScript(const std::string& source) {
  std::ostringstream out, err;
  lintra::scenario::Runner runner(out);
  const int status = runner.Run(source, err);
  return {status, out.str(), err.str()};
}

TEST(ScenarioRunnerFaults, NameTheLineAndTheRule) {
  const struct {
    const char* script;
    const char* fault;
  } cases[] = {
      {"frobnicate 1", "line 1: unknown command frobnicate"},
      {"start\nclock 12:00:00.000", "line 2: clock must come before start"},
      {"wait 10", "line 1: wait needs start first"},
      {"start\nclick On1 On2", "line 2: click takes 1 argument(s)"},
      {"start\n\nwait 1x", "line 3: bad number 1x"},
      {"start\nmidi-in 1 2 300", "line 2: bad number 300"},
      {"start\nmidi-in 1 2", "line 2: midi-in takes three bytes"},
      {"midi-in-devices \"K\"\nstart\nclick Outputs1\nselect cmbInput 9", "line 4: cmbInput has no item 9"},
      {"start\nclick Instrument1", "line 2: no answer queued for the prompt \"MIDI Instrument\""},
  };
  for (const auto& c : cases) {
    const Outcome outcome = RunScript(c.script);
    EXPECT_EQ(outcome.status, 2) << c.script;
    EXPECT_EQ(outcome.err, std::string("lintra-scenario: ") + c.fault + "\n") << c.script;
  }
  EXPECT_EQ(RunScript("frobnicate 1").out, "> frobnicate 1\n");
}

TEST(ScenarioRunnerFaults, ShowSettingsNeedsNoWindow) {
  const Outcome outcome = RunScript("settings \"a\" \"b\"\nshow settings");
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.out, "> settings \"a\" \"b\"\n> show settings\nsettings \"a\" \"b\"\n");
}

}  // namespace

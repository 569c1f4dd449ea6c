// Runs scenario scripts against the whole main window and writes the transcript.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>

#include "tools/scenario/script.h"

namespace lintra::app {
class TForm2;
}
namespace lintra::ui {
class WindowModel;
}

namespace lintra::scenario {

struct RunnerState;

class Runner {
 public:
  explicit Runner(std::ostream& out);
  ~Runner();
  Runner(const Runner&) = delete;
  Runner& operator=(const Runner&) = delete;

  // Runs a whole script.  0 when it ran to its end (or to a quit), 2 for a
  // script fault, which is written to `err` with its line number.
  int Run(const std::string& source, std::ostream& err);

  // One command; raises ScriptError for a fault.  Used by Run and by tools
  // that drive the window step by step.
  void Execute(const ScriptLine& line);
  // Checks, at the end of a script, that every queued answer was used.
  void Finish(int lastLine);
  bool Quit() const;

  app::TForm2* Form();
  ui::WindowModel* Model();
  const std::filesystem::path& SettingsFile() const;

 private:
  std::unique_ptr<RunnerState> state_;
};

}  // namespace lintra::scenario

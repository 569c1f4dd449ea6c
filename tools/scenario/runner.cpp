#include "tools/scenario/runner.h"

#include <cstdlib>
#include <ostream>

#include "app/device_settings.h"
#include "tools/scenario/commands.h"
#include "tools/scenario/runner_state.h"

namespace lintra::scenario {

Runner::Runner(std::ostream& out) : state_(std::make_unique<RunnerState>(out)) {
  auto& s = *state_;
  std::string pattern = (std::filesystem::temp_directory_path() / "lintra-scenario-XXXXXX").string();
  if (char* made = ::mkdtemp(pattern.data())) s.folder = made;
  s.settingsFile = app::DeviceSettingsPath(s.folder);
  s.dialogs.folder = s.folder;
}

Runner::~Runner() = default;

bool Runner::Quit() const { return state_->quit; }
app::TForm2* Runner::Form() { return state_->form; }
ui::WindowModel* Runner::Model() { return state_->model.get(); }
const std::filesystem::path& Runner::SettingsFile() const { return state_->settingsFile; }

void Runner::Finish(int lastLine) {
  if (!state_->answers.empty()) {
    throw ScriptError(state_->answers.front().line,
                      "answer left unused at the end (line " + std::to_string(lastLine) + " was the last)");
  }
}

int Runner::Run(const std::string& source, std::ostream& err) {
  int last = 0;
  try {
    for (const auto& line : ParseScript(source)) {
      last = line.number;
      Execute(line);
      if (Quit()) return 0;
    }
    Finish(last);
  } catch (const ScriptError& error) {
    state_->out.flush();
    err << "lintra-scenario: " << error.what() << '\n';
    return 2;
  }
  return 0;
}

void Runner::Execute(const ScriptLine& line) {
  auto& s = *state_;
  s.currentLine = line.number;
  s.out << "> " << line.text << '\n';
  const Handler handler = FindHandler(line.command);
  if (handler == nullptr) throw ScriptError(line.number, "unknown command " + line.command);
  try {
    handler(Command{s, line});
  } catch (const ui::DialogNotAnswered& fault) {
    throw ScriptError(line.number, fault.what);
  }
  if (s.shell.terminated && !s.quit) {
    s.quit = true;
    s.out << "quit\n";
  }
}

}  // namespace lintra::scenario

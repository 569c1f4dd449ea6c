// `lintra --self-check`: whether an installation works, told without a person at the screen.
#pragma once

#include <string>
#include <vector>

#include "ui/dialogs.h"

namespace lintra::frontend {

class MainWindow;

// The boxes of a check that no one answers: each is printed ("box: TEXT") instead of waiting for a
// click, and every question is answered No or Cancel.
class SelfCheckDialogs : public ui::Dialogs {
 public:
  void Message(const std::string& text) override;
  void Error(const std::string& text) override;
  bool Confirm(const std::string& text, ui::DefaultAnswer preferred) override;
  bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) override;
  bool SaveFileName(const std::string& caption, std::string& path) override;
  bool ChooseItem(const std::string& caption, const std::string& prompt, const std::vector<std::string>& items,
                  std::size_t& chosen) override;
};

struct ModuleReport {
  std::string what;     // "synthesizer module"
  std::string path;     // empty when it was not loaded,
  std::string problem;  // for this
};

// Waits (at most a few seconds) for the shown window to ask its first question, then prints what it
// found: the window, the question, the help page and the program's modules. Returns the process exit
// status: 0 only when the window is shown with a question, the help page exists and every module is
// loaded.
int RunSelfCheck(MainWindow& window, const std::string& helpDocument, const std::vector<ModuleReport>& modules);

}  // namespace lintra::frontend

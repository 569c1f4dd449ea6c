// `lintra --self-check`: whether an installation works, told without a person at the screen.
#pragma once

#include <string>

namespace lintra::frontend {

class MainWindow;

// Waits (at most a few seconds) for the shown window to ask its first question, then prints what it
// found: the window, the question, the help page. Returns the process exit status: 0 only when the
// window is shown with a question and the help page exists.
int RunSelfCheck(MainWindow& window, const std::string& helpDocument);

}  // namespace lintra::frontend

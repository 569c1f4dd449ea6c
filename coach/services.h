// What the practice features are given besides the window.
#pragma once

#include <filesystem>
#include <string>

#include "ui/clock.h"
#include "ui/dialogs.h"

namespace lintra::coach {

class ProgressView;

struct Services {
  ui::Clock& clock;
  ui::Dialogs& dialogs;
  std::filesystem::path optionsFile;
  // Where answers are journalled; empty keeps no journal (the scenario runner's default).
  std::string journalPath = {};
  // Shows "Progress" > "Show Progress..."; null where no window can be shown.
  ProgressView* progressView = nullptr;
};

}  // namespace lintra::coach

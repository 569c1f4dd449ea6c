// The trainer as the front ends run it: the main window's logic and the practice features around
// it, wired together. The window publishes its moments and its judged answers; the features take
// them from there, and the window's menus run both's handlers.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/form2.h"
#include "app/microphone.h"
#include "coach/coach.h"

namespace lintra::app {

struct PracticeServices {
  // Where answers are journalled; empty keeps no journal (the scenario runner's default).
  std::string journalPath = {};
  // Shows "Progress" > "Show Progress..."; null where no window can be shown.
  coach::ProgressView* progressView = nullptr;
};

class Trainer {
 public:
  Trainer(ui::WindowModel& model, FormServices form, PracticeServices practice = {}, ListeningServices listening = {});
  ~Trainer();
  Trainer(const Trainer&) = delete;
  Trainer& operator=(const Trainer&) = delete;

  TForm2& Form() { return form_; }
  coach::Coach& Coach() { return *coach_; }
  app::Microphone& Microphone() { return *microphone_; }
  // The handler names of the layout that nothing answers: none, unless the layout misspells one.
  const std::vector<std::string>& UnboundHandlers() const { return unbound_; }

 private:
  class FormWindow;

  TForm2 form_;
  std::unique_ptr<FormWindow> window_;
  std::unique_ptr<coach::Coach> coach_;
  app::Microphone* microphone_ = nullptr;  // one of the coach's features
  std::vector<std::string> unbound_;
};

}  // namespace lintra::app

// "Show Time and Mistake": a line under the window after each answer, with the time taken and,
// after a wrong one, what was misread.
#pragma once

#include "coach/feature.h"
#include "coach/window.h"

namespace lintra::coach {

class StatusLine : public Feature {
 public:
  explicit StatusLine(Window& window) : window_(window) {}

  void OptionsLoaded() override;
  void OptionToggled(Option option) override;
  void Answered(const practice::JudgedAnswer& answer) override;

 private:
  bool Shown();

  Window& window_;
};

}  // namespace lintra::coach

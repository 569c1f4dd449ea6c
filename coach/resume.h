// "Resume Where I Left Off": the exercise, key, clef, note names and instrument of the last run,
// kept with the options and brought back at the next start. A value that names nothing this build
// knows is passed over: that choice stays as a first start makes it.
#pragma once

#include "coach/feature.h"
#include "coach/window.h"

namespace lintra::coach {

class Resume : public Feature {
 public:
  Resume(Window& window, Options& options, std::function<void()> saveOptions)
      : window_(window), options_(options), saveOptions_(std::move(saveOptions)) {}

  void StartValuesSet() override;
  void Closing() override;
  void SavingOptions(Options& options) override;

 private:
  bool Resuming();

  Window& window_;
  Options& options_;
  std::function<void()> saveOptions_;
};

}  // namespace lintra::coach

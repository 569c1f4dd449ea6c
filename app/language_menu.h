// "Options" > "Language...": the language the student chose over the desktop's. The catalogs are
// loaded before the window makes its first text, so a new choice speaks from the next start.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "coach/feature.h"
#include "coach/options.h"
#include "ui/dialogs.h"

namespace lintra::app {

// The options live beside the device settings file, in its format.
std::filesystem::path OptionsFile(const std::filesystem::path& settingsFile);
coach::LineFile OptionsFormat();

// The language chosen in "Language..." as the options beside `settingsFile` keep it: a language
// code, or empty for the desktop's language (also when the file is missing or unreadable).
std::string ChosenLanguage(const std::filesystem::path& settingsFile);

class LanguageMenu : public coach::Feature {
 public:
  // `save` writes the options and returns an error text when it could not.
  LanguageMenu(ui::Dialogs& dialogs, const coach::Options& options, std::function<std::optional<std::string>()> save);

  void AddHandlers(ui::Handlers& handlers) override;
  void OptionsLoaded() override;
  void SavingOptions(coach::Options& options) override;

 private:
  void Choose();

  ui::Dialogs& dialogs_;
  const coach::Options& options_;
  std::function<std::optional<std::string>()> save_;
  std::string chosen_;  // a language code; empty: the desktop's
};

}  // namespace lintra::app

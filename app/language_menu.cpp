#include "app/language_menu.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "app/device_settings.h"
#include "ui/language.h"
#include "ui/translate.h"

namespace lintra::app {

std::filesystem::path OptionsFile(const std::filesystem::path& settingsFile) {
  return settingsFile.parent_path() / "options.qor";
}

coach::LineFile OptionsFormat() { return {LoadDeviceSettings, SaveDeviceSettings}; }

std::string ChosenLanguage(const std::filesystem::path& settingsFile) {
  coach::Options options(OptionsFile(settingsFile), OptionsFormat());
  options.Load();
  return options.Value(coach::Option::Language);
}

LanguageMenu::LanguageMenu(ui::Dialogs& dialogs, const coach::Options& options,
                           std::function<std::optional<std::string>()> save)
    : dialogs_(dialogs), options_(options), save_(std::move(save)) {}

void LanguageMenu::AddHandlers(ui::Handlers& handlers) {
  handlers.Add("LanguageClick", [this] { Choose(); });
}

void LanguageMenu::OptionsLoaded() { chosen_ = options_.Value(coach::Option::Language); }

void LanguageMenu::SavingOptions(coach::Options& options) { options.Set(coach::Option::Language, chosen_); }

void LanguageMenu::Choose() {
  // The desktop's language first, then English and the shipped ones, each named in itself.
  std::vector<std::string> codes{"", std::string(ui::kEnglish)};
  for (const auto language : ui::ShippedLanguages()) codes.emplace_back(language);
  std::vector<std::string> items{ui::Tr("Messages", "The desktop's language")};
  for (auto code = codes.begin() + 1; code != codes.end(); ++code) items.emplace_back(ui::NativeName(*code));

  const auto found = std::find(codes.begin(), codes.end(), chosen_);
  std::size_t chosen = found == codes.end() ? 0 : static_cast<std::size_t>(found - codes.begin());
  if (!dialogs_.ChooseItem(ui::Tr("Messages", "Language"), ui::Tr("Messages", "The trainer speaks:"), items, chosen) ||
      codes[chosen] == chosen_) {
    return;
  }
  chosen_ = codes[chosen];
  if (const auto error = save_()) {
    dialogs_.Message(*error);
    return;
  }
  dialogs_.Message(ui::Tr("Messages", "The language you chose is used from the next start of the trainer."));
}

}  // namespace lintra::app

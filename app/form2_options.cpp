// The options kept between starts, in a small file beside the device settings file (which keeps
// its own four-line format): "Options" > "Middle C Is C4", the "Progress" menu's three on/off items
// and, while "Resume Where I Left Off" is on, where the student left off. One "Name=Value" line
// each; a line this build does not know is kept as it was, so that builds can share the file.
#include <algorithm>
#include <array>
#include <exception>

#include "app/device_settings.h"
#include "app/form2.h"
#include "theory/note_names.h"

namespace lintra::app {
namespace {

constexpr std::string_view kMiddleCLine = "MiddleCIsC4=1";
// Written only while on, so that with all of them off the file is what it always was.
constexpr std::array<ui::MenuName, 3> kProgressOptions{menu::PractiseWeakNotes, menu::ShowTimeAndMistake,
                                                       menu::ResumeWhereILeftOff};

std::filesystem::path OptionsFile(const std::filesystem::path& deviceSettings) {
  return deviceSettings.parent_path() / "options.qor";
}

bool IsLastRunLine(std::string_view line) { return line.starts_with("Last"); }

}  // namespace

std::string TForm2::ShownName(std::string_view name) { return theory::ShownOctave(name, Checked(menu::MiddleCIsC4)); }

void TForm2::LoadOptions() {
  // No file or an unreadable one: every option is off, as on a first start.
  std::vector<std::string> lines;
  try {
    lines = LoadDeviceSettings(OptionsFile(services_.settingsFile));
  } catch (const std::exception&) {
  }
  for (const auto& line : lines) {
    if (line == kMiddleCLine) {
      Check(menu::MiddleCIsC4);
    } else if (line == "MiddleCIsC4=0") {
    } else if (const auto option = std::find_if(kProgressOptions.begin(), kProgressOptions.end(),
                                                [&](ui::MenuName name) { return line.starts_with(name.text); });
               option != kProgressOptions.end() && line.size() == option->text.size() + 2 &&
               line[option->text.size()] == '=') {
      if (line.back() == '1') Check(*option);
    } else if (IsLastRunLine(line)) {
      lastRunLines_.push_back(line);
    } else {
      otherOptionLines_.push_back(line);
    }
  }
  if (Checked(menu::ShowTimeAndMistake)) model_.SetVisible(model_.C(control::StatusLine), true);
}

std::optional<std::string> TForm2::SaveOptions() {
  std::vector<std::string> lines{Checked(menu::MiddleCIsC4) ? std::string(kMiddleCLine) : "MiddleCIsC4=0"};
  for (const auto name : kProgressOptions) {
    if (Checked(name)) lines.push_back(std::string(name.text) + "=1");
  }
  if (Checked(menu::ResumeWhereILeftOff)) {
    for (auto& line : LastRunLines()) lines.push_back(std::move(line));
  }
  lines.insert(lines.end(), otherOptionLines_.begin(), otherOptionLines_.end());
  return SaveDeviceSettings(OptionsFile(services_.settingsFile), lines);
}

void TForm2::ToggleOption(ui::MenuName menu) {
  Check(menu, !Checked(menu));
  if (const auto error = SaveOptions()) {
    services_.dialogs.Message(*error + " The choice applies until the program ends.");
  }
}

void TForm2::MiddleCIsC4Click() { ToggleOption(menu::MiddleCIsC4); }

}  // namespace lintra::app

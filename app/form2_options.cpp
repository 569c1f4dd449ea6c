// The "Options" menu: choices that are kept between starts in a small file
// beside the device settings file (which keeps its own four-line format).
#include <exception>

#include "app/device_settings.h"
#include "app/form2.h"
#include "theory/note_names.h"

namespace lintra::app {
namespace {

constexpr std::string_view kMiddleCLine = "MiddleCIsC4=1";

std::filesystem::path OptionsFile(const std::filesystem::path& deviceSettings) {
  return deviceSettings.parent_path() / "options.qor";
}

}  // namespace

std::string TForm2::ShownName(std::string_view name) {
  return theory::ShownOctave(name, Checked("MiddleCIsC4"));
}

void TForm2::LoadOptions() {
  // No file or an unreadable one: every option is off, as on a first start.
  try {
    for (const auto& line : LoadDeviceSettings(OptionsFile(services_.settingsFile))) {
      if (line == kMiddleCLine) Check("MiddleCIsC4");
    }
  } catch (const std::exception&) {
  }
}

void TForm2::MiddleCIsC4Click() {
  Check("MiddleCIsC4", !Checked("MiddleCIsC4"));
  const std::vector<std::string> lines{Checked("MiddleCIsC4") ? std::string(kMiddleCLine) : "MiddleCIsC4=0"};
  if (const auto error = SaveDeviceSettings(OptionsFile(services_.settingsFile), lines)) {
    services_.dialogs.Message(*error + " The choice applies until the program ends.");
  }
}

}  // namespace lintra::app

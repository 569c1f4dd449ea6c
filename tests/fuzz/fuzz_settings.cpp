// The device settings file: the reader alone, then the whole start-up with a
// damaged file in place, then a device choice that must write a file the
// reader accepts again.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "app/device_settings.h"
#include "app/form2.h"
#include "fuzz_check.h"
#include "script_lines.h"
#include "tools/scenario/runner.h"
#include "ui/window_model.h"

using lintra::fuzz::Command;

namespace {

void CheckReader(const std::filesystem::path& file, std::size_t size) {
  try {
    const auto lines = lintra::app::LoadDeviceSettings(file);
    FUZZ_CHECK(size <= 64 * 1024);
    for (const auto& line : lines) {
      FUZZ_CHECK(line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
      FUZZ_CHECK(line.size() <= 1024);
    }
    FUZZ_CHECK(lines.size() <= size);
  } catch (const std::runtime_error&) {
    // A damaged file is refused; that is the reader's whole duty here.
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const int inputs = data[0] % 3;  // 0, 1 or 2 input devices: 0 skips reading the file
  const std::string content(reinterpret_cast<const char*>(data) + 1, size - 1);

  std::ostringstream transcript;
  lintra::scenario::Runner runner(transcript);
  const auto& file = runner.SettingsFile();
  std::filesystem::create_directories(file.parent_path());
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
  }
  CheckReader(file, content.size());

  std::vector<std::string> inputNames{"Keyboard A", "Keyboard B"};
  inputNames.resize(static_cast<std::size_t>(inputs));
  runner.Execute(Command("midi-in-devices", inputNames));
  runner.Execute(Command("midi-out-devices", {"Synth A", "Synth B"}));
  runner.Execute(Command("start"));
  runner.Execute(Command("show"));
  auto& model = *runner.Model();
  // Whatever the file held, the window came up with its starting values.
  FUZZ_CHECK(model.C(lintra::ui::control::Items).text == "0");
  FUZZ_CHECK(model.C(lintra::ui::control::KeyList).lines.size() == 24);

  // A choice made through the panel must leave a file that reads back with the
  // chosen output at its position.
  runner.Execute(Command("click", {"Outputs1"}));
  auto& outputs = model.C(lintra::ui::control::cmbOutput);
  FUZZ_CHECK(outputs.visible && outputs.enabled);
  FUZZ_CHECK(!outputs.items.empty());
  const std::string chosen = outputs.items.front();
  runner.Execute(Command("select", {"cmbOutput", "0"}));
  const auto saved = lintra::app::LoadDeviceSettings(file);
  FUZZ_CHECK(saved.size() >= 4);
  FUZZ_CHECK(saved[2] == chosen);
  FUZZ_CHECK(saved[3] == "0");
  runner.Execute(Command("wait", {"1000"}));
  runner.Execute(Command("show", {"settings"}));
  return 0;
}

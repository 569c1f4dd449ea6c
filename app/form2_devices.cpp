// Devices that come and go while the trainer runs: the device panel lists
// the devices present when it opens, and the chosen input is closed when it
// is unplugged and opened again when it is back.
#include <algorithm>
#include <optional>

#include "app/form2.h"

namespace lintra::app {
namespace {

constexpr int kWatchInterval = 1000;  // ms; a keyboard plugged back in plays again within a second

struct DeviceNames {
  std::vector<std::string> names;
  bool complete = true;  // false when a record could not be read
};

// The product names of devices 0 to count - 1, as the capability query reads them.
template <typename Caps, typename Query>
DeviceNames Names(unsigned count, Query query) {
  DeviceNames result;
  for (unsigned id = 0; id < count; ++id) {
    Caps caps;
    if (query(id, caps) == midi::kOk) {
      result.names.push_back(caps.productName);
    } else {
      result.complete = false;
    }
  }
  return result;
}

DeviceNames InputNames(midi::MidiService& ports) {
  return Names<midi::InCaps>(ports.InputCount(),
                             [&](unsigned id, midi::InCaps& caps) { return ports.DescribeInput(id, caps); });
}

DeviceNames OutputNames(midi::MidiService& ports) {
  return Names<midi::OutCaps>(ports.OutputCount(), [&](unsigned id, midi::OutCaps& caps) {
    return ports.DescribeOutput(static_cast<int>(id), caps);
  });
}

// Fills the list anew and keeps the chosen device by its name.  An unchanged
// list is left alone, so that the choice and any typed text stay as they are.
void Relist(ui::WindowModel& model, ui::Control& combo, std::vector<std::string> names) {
  auto sortedNow = combo.items;
  std::sort(sortedNow.begin(), sortedNow.end());
  std::sort(names.begin(), names.end());
  if (sortedNow == names) return;
  const bool chosen = combo.itemIndex >= 0 && combo.itemIndex < static_cast<int>(combo.items.size());
  const std::string name = chosen ? combo.items[static_cast<std::size_t>(combo.itemIndex)] : combo.text;
  const std::string text = combo.text;
  model.ComboClear(combo);
  for (auto& item : names) model.ComboAdd(combo, std::move(item));
  const auto found = std::find(combo.items.begin(), combo.items.end(), name);
  model.ComboSetIndex(combo, found == combo.items.end() ? -1 : static_cast<int>(found - combo.items.begin()));
  // Typed text that names no device stays in the edit field.
  if (found == combo.items.end() && combo.Kind() == ui::ControlKind::ComboEdit) model.SetText(combo, text);
}

// The platform may number a port anew when its device comes back (ALSA's
// "Keys:Keys MIDI 1 24:0" may return as "... 28:0"): the same device by name.
std::string WithoutPortNumber(const std::string& name) {
  const auto blank = name.rfind(' ');
  if (blank == std::string::npos) return name;
  const std::string tail = name.substr(blank + 1);
  const auto colon = tail.find(':');
  const bool numbered = colon != std::string::npos && colon > 0 && colon + 1 < tail.size() &&
                        tail.find_first_not_of("0123456789:") == std::string::npos;
  return numbered ? name.substr(0, blank) : name;
}

// The listed name of the watched device, or nothing.
std::optional<std::string> Listed(const std::vector<std::string>& names, const std::string& watched) {
  if (std::find(names.begin(), names.end(), watched) != names.end()) return watched;
  for (const auto& name : names) {
    if (WithoutPortNumber(name) == WithoutPortNumber(watched)) return name;
  }
  return std::nullopt;
}

}  // namespace

void TForm2::StartDeviceWatch() {
  deviceWatch_ = services_.clock.CreateTimer("DeviceWatch", kWatchInterval);
  deviceWatch_->OnTimer = [this] { Guard([this] { WatchDevices(); }); };
  deviceWatch_->SetEnabled(true);
}

void TForm2::RelistDevices() {
  MidiInput1.RefreshDeviceCount();
  MidiOutput1.RefreshDeviceCount();
  Relist(model_, model_.C(control::cmbInput), InputNames(services_.midi).names);
  Relist(model_, model_.C(control::cmbOutput), OutputNames(services_.midi).names);
}

void TForm2::WatchInput() {
  watchedInput_ = MidiInput1.IsOpen() ? MidiInput1.ProductName() : std::string();
  inputLost_ = false;
}

void TForm2::WatchDevices() {
  if (watchedInput_.empty()) return;
  const auto now = InputNames(services_.midi);
  const auto listed = Listed(now.names, watchedInput_);
  const bool present = listed.has_value();
  if (!inputLost_) {
    // A record that cannot be read proves nothing about the device.
    if (present || !now.complete || !MidiInput1.IsOpen()) return;
    inputLost_ = true;
    try {
      MidiInput1.CloseDevice();  // the handle died with its device; nothing to report
    } catch (const midi::EMidiInputError&) {
    }
    return;
  }
  if (!present || MidiInput1.IsOpen()) return;
  MidiInput1.RefreshDeviceCount();
  try {
    MidiInput1.SetProductName(*listed);
  } catch (const midi::EMidiInputError&) {
    return;  // listed but not readable yet: the next look tries again
  }
  const std::string name = *listed;
  // A device that refuses to open again is left to the student's choice in
  // the device panel; it is not retried every second.
  watchedInput_.clear();
  if (!MidiInput1.OpenDevice()) return;
  MidiInput1.StartInput();
  watchedInput_ = name;
  inputLost_ = false;
}

}  // namespace lintra::app

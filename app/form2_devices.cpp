// Devices that come and go while the trainer runs: the device panel lists
// the devices present when it opens, and the chosen input and output are
// closed when they are unplugged and opened again when they are back, known
// by their names.
#include <algorithm>

#include "app/form2.h"
#include "midi/synth_device_name.h"

namespace lintra::app {
namespace {

constexpr int kWatchInterval = 1000;  // ms; a keyboard plugged back in plays again within a second

struct ListedPort {
  std::string name;
  midi::PortGeneration generation = 0;
};

struct DeviceList {
  std::vector<ListedPort> ports;
  bool complete = true;  // false when a record could not be read

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& port : ports) names.push_back(port.name);
    return names;
  }
};

// The devices 0 to count - 1, as the capability query reads them.
template <typename Caps, typename Query>
DeviceList Devices(unsigned count, Query query) {
  DeviceList result;
  for (unsigned id = 0; id < count; ++id) {
    Caps caps;
    if (query(id, caps) == midi::kOk) {
      result.ports.push_back({caps.productName, caps.generation});
    } else {
      result.complete = false;
    }
  }
  return result;
}

DeviceList Inputs(midi::MidiService& ports) {
  return Devices<midi::InCaps>(ports.InputCount(),
                               [&](unsigned id, midi::InCaps& caps) { return ports.DescribeInput(id, caps); });
}

DeviceList Outputs(midi::MidiService& ports) {
  return Devices<midi::OutCaps>(ports.OutputCount(), [&](unsigned id, midi::OutCaps& caps) {
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

// The watched device as listed now, or nothing.
const ListedPort* Listed(const DeviceList& now, const std::string& watched) {
  const auto& ports = now.ports;
  auto found = std::find_if(ports.begin(), ports.end(), [&](const auto& port) { return port.name == watched; });
  if (found == ports.end()) {
    found = std::find_if(ports.begin(), ports.end(),
                         [&](const auto& port) { return WithoutPortNumber(port.name) == WithoutPortNumber(watched); });
  }
  return found == ports.end() ? nullptr : &*found;
}

// The watched device as listed when it has come back since it was opened: after it was seen gone, or
// with a new generation when it went and came between two looks. Its connection is dead then.
const ListedPort* Returned(WatchedDevice& watched, const DeviceList& now) {
  if (watched.name.empty()) return nullptr;
  const ListedPort* listed = Listed(now, watched.name);
  if (!listed) {
    // A record that cannot be read proves nothing about the device.
    if (now.complete) watched.lost = true;
    return nullptr;
  }
  return watched.lost || listed->generation != watched.generation ? listed : nullptr;
}

midi::PortGeneration GenerationOf(const DeviceList& now, const std::string& name) {
  const ListedPort* listed = Listed(now, name);
  return listed ? listed->generation : 0;
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
  Relist(model_, model_.C(control::cmbInput), Inputs(services_.midi).Names());
  Relist(model_, model_.C(control::cmbOutput), Outputs(services_.midi).Names());
}

void TForm2::WatchOpenDevices() {
  watchedInput_ = {};
  watchedOutput_ = {};
  if (MidiInput1.IsOpen()) {
    const std::string name = MidiInput1.ProductName();
    watchedInput_ = {name, GenerationOf(Inputs(services_.midi), name)};
  }
  // The built-in synthesizer never goes away; it is what plays while a device is gone.
  if (MidiOutput1.IsOpen() && MidiOutput1.ProductName() != midi::kSynthDeviceName) {
    const std::string name = MidiOutput1.ProductName();
    watchedOutput_ = {name, GenerationOf(Outputs(services_.midi), name)};
  }
}

void TForm2::WatchDevices() {
  if (!watchedInput_.name.empty()) {
    const bool wasLost = watchedInput_.lost;
    const DeviceList now = Inputs(services_.midi);
    if (const ListedPort* back = Returned(watchedInput_, now)) {
      ReopenInput(back->name);
    } else if (watchedInput_.lost && !wasLost) {
      try {
        MidiInput1.CloseDevice();  // the handle died with its device; nothing to report
      } catch (const midi::EMidiInputError&) {
      }
    }
  }
  if (!watchedOutput_.name.empty()) {
    // A gone output is noticed by the next note sent to it, which moves to the built-in synthesizer.
    const DeviceList now = Outputs(services_.midi);
    if (const ListedPort* back = Returned(watchedOutput_, now)) ReopenOutput(back->name);
  }
}

void TForm2::ReopenInput(const std::string& name) {
  try {
    MidiInput1.CloseDevice();
  } catch (const midi::EMidiInputError&) {
  }
  watchedInput_.lost = true;  // until it is open again
  MidiInput1.RefreshDeviceCount();
  try {
    MidiInput1.SetProductName(name);
  } catch (const midi::EMidiInputError&) {
    return;  // listed but not readable yet: the next look tries again
  }
  // A device that refuses to open again is left to the student's choice in
  // the device panel; it is not retried every second.
  watchedInput_ = {};
  if (!MidiInput1.OpenDevice()) return;
  MidiInput1.StartInput();
  watchedInput_ = {name, GenerationOf(Inputs(services_.midi), name)};
}

void TForm2::ReopenOutput(const std::string& name) {
  try {
    MidiOutput1.CloseDevice();
  } catch (const midi::EmidioutputError&) {
  }
  if (MidiOutput1.IsOpen()) return;  // a device that will not let go keeps its place
  watchedOutput_.lost = true;
  MidiOutput1.RefreshDeviceCount();
  try {
    SelectOutputByName(MidiOutput1, name);
  } catch (const midi::EmidioutputError&) {
    OpenBuiltInSynthesizer(MidiOutput1);
    return;  // the next look tries again
  }
  watchedOutput_ = {};
  if (!MidiOutput1.OpenDevice()) {
    OpenBuiltInSynthesizer(MidiOutput1);
    return;
  }
  // Back in use: a later failure of it is worth telling again.
  sendFailureShown_ = false;
  watchedOutput_ = {name, GenerationOf(Outputs(services_.midi), name)};
}

}  // namespace lintra::app

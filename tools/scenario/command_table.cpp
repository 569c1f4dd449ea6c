#include <array>

#include "tools/scenario/commands.h"

namespace lintra::scenario {
namespace {

struct Entry {
  std::string_view name;
  Handler run;
};

constexpr std::array kCommands{
    Entry{"clock", SetClock},
    Entry{"day", SetDay},
    Entry{"utc-offset", SetUtcOffset},
    Entry{"restart", Restart},
    Entry{"midi-in-devices", SetInputDevices},
    Entry{"midi-out-devices", SetOutputDevices},
    Entry{"midi-in-plug", [](const Command& c) { PlugDevice(c, true, true); }},
    Entry{"midi-in-unplug", [](const Command& c) { PlugDevice(c, true, false); }},
    Entry{"midi-out-plug", [](const Command& c) { PlugDevice(c, false, true); }},
    Entry{"midi-out-unplug", [](const Command& c) { PlugDevice(c, false, false); }},
    Entry{"settings", WriteSettings},
    Entry{"trace", Trace},
    Entry{"answer", QueueAnswer},
    Entry{"journal", Journal},
    Entry{"start", Start},
    Entry{"wait", Wait},
    Entry{"click", Click},
    Entry{"select", [](const Command& c) { ChooseInList(c, false); }},
    Entry{"type", [](const Command& c) { ChooseInList(c, true); }},
    Entry{"midi-in", [](const Command& c) { MidiIn(c, false); }},
    Entry{"midi-in-sysex", [](const Command& c) { MidiIn(c, true); }},
    Entry{"midi-in-burst", MidiInBurst},
    Entry{"paint", Paint},
    Entry{"close", Close},
    Entry{"progress-button", PressProgressButton},
    Entry{"mic-devices", SetSoundInputs},
    Entry{"mic-unplug", UnplugSoundInput},
    Entry{"mic-hear", HearNote},
    Entry{"mic-echo", HearEcho},
    Entry{"show", Show},
};

// A name entered twice would leave its second handler silently unreachable.
constexpr bool NamesAreUnique() {
  for (std::size_t i = 0; i < kCommands.size(); ++i) {
    for (std::size_t j = i + 1; j < kCommands.size(); ++j) {
      if (kCommands[i].name == kCommands[j].name) return false;
    }
  }
  return true;
}
static_assert(NamesAreUnique(), "a scenario command is entered twice");

}  // namespace

Handler FindHandler(std::string_view name) {
  for (const auto& entry : kCommands) {
    if (entry.name == name) return entry.run;
  }
  return nullptr;
}

}  // namespace lintra::scenario

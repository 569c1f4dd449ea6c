// The scripted sound input: which inputs there are, one unplugged, notes heard, and the trainer's
// own notes heard back through the speakers.
#include <algorithm>

#include "tools/scenario/commands.h"

namespace lintra::scenario {
namespace {

testing::HeardSound& Heard(const Command& c) {
  if (!c.s.heard) throw c.Fault(c.Name() + " needs a sound input: mic-devices first");
  return *c.s.heard;
}

}  // namespace

// mic-devices "NAME" ...: the sound inputs, the first of them the system's default.
void SetSoundInputs(const Command& c) {
  if (c.Args().empty()) throw c.Fault("mic-devices takes the names of the sound inputs");
  auto& devices = c.s.capture.devices;
  devices.clear();
  for (const auto& name : c.Args()) devices.push_back({name, devices.empty()});
  if (!c.s.heard) c.s.heard = std::make_unique<testing::HeardSound>(c.s.clock, c.s.capture);
}

// mic-unplug "NAME": the input goes; a capture running on it vanishes.
void UnplugSoundInput(const Command& c) {
  c.NeedArgs(1);
  auto& devices = c.s.capture.devices;
  const auto at = std::find_if(devices.begin(), devices.end(), [&c](const auto& d) { return d.name == c.Args()[0]; });
  if (at == devices.end()) throw c.Fault("no sound input " + c.Args()[0] + " to unplug");
  const bool capturing =
      c.s.capture.Running() && (c.s.capture.Started() == at->name || (c.s.capture.Started().empty() && at->isDefault));
  devices.erase(at);
  if (capturing) c.s.capture.Vanish();
}

// mic-hear NOTE [MS]: the sound input hears MIDI note NOTE played from now for MS milliseconds (500).
void HearNote(const Command& c) {
  if (c.Args().empty() || c.Args().size() > 2) throw c.Fault("mic-hear takes a MIDI note and milliseconds");
  const int note = c.Number(c.Args()[0], 0, 127);
  const int ms = c.Args().size() == 2 ? c.Number(c.Args()[1], 1, 60000) : 500;
  Heard(c).Hear(note, ms);
}

// mic-echo on|off: every note the trainer sounds is heard back, as from speakers.
void HearEcho(const Command& c) {
  c.NeedArgs(1);
  if (c.Args()[0] != "on" && c.Args()[0] != "off") throw c.Fault("mic-echo takes on or off");
  Heard(c);
  c.s.echo = c.Args()[0] == "on";
}

}  // namespace lintra::scenario

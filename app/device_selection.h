// Choosing and opening the MIDI devices by name, shared by the device choice and the device watch.
#pragma once

#include <string>

#include "midi/midi_in.h"
#include "midi/midi_out.h"

namespace lintra::app {

// A device opened by the student's choice, to be brought back when it returns.
struct WatchedDevice {
  std::string name;  // as listed when it was opened; empty: nothing is watched
  midi::PortGeneration generation = 0;
  bool lost = false;  // seen gone, not back yet
};

// Chooses the output called `name`.  A device whose record cannot be read
// does not stop the search, so one faulty driver cannot hide the others.
void SelectOutputByName(midi::TMidiOutput& output, const std::string& name);
void SelectInputByName(midi::TMidiInput& input, const std::string& name);
// Device 0 by number.  Its record may be unreadable while the device itself
// still opens; the open decides.
void SelectFirstInput(midi::TMidiInput& input);
// Closes the output and opens the built-in synthesizer in its place; false when it could not.
bool OpenBuiltInSynthesizer(midi::TMidiOutput& output);

}  // namespace lintra::app

// A MIDI back end of both directions: the platform's ports, the program's
// composite, the test fake.  The built-in synthesizer has only the output.
#pragma once

#include "midi/midi_input_service.h"
#include "midi/midi_output_service.h"

namespace lintra::midi {

class MidiService : public MidiOutputService, public MidiInputService {};

}  // namespace lintra::midi

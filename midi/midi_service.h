// The platform's MIDI services as the MIDI components see them: one interface
// per direction, as cross-platform MIDI libraries have them.  The output
// component needs only an output service and the input component only an
// input service; a service of both directions (the platform's ports, the
// program's composite, the test fake) implements both, and the built-in
// synthesizer only the output.
#pragma once

#include "midi/midi_input_service.h"
#include "midi/midi_output_service.h"

namespace lintra::midi {

class MidiService : public MidiOutputService, public MidiInputService {};

}  // namespace lintra::midi

#pragma once

#include <string>

#include "midi/midi_input_service.h"
#include "midi/midi_output_service.h"

namespace lintra::midi {

// The rule both components follow to turn a result code into text: the
// service's text, or a fixed text when the service does not know the code.
std::string ServiceErrorText(MidiOutputService& service, Result code);
std::string ServiceErrorText(MidiInputService& service, Result code);

}  // namespace lintra::midi

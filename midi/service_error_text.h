#pragma once

#include <string>

#include "midi/midi_service.h"

namespace lintra::midi {

// The rule both components follow to turn a result code into text: the
// service's text, or a fixed text when the service does not know the code.
using ErrorTextQuery = Result (MidiService::*)(Result, std::string&);
std::string ServiceErrorText(MidiService& service, ErrorTextQuery query, Result code);

}  // namespace lintra::midi

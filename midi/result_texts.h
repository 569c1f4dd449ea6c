// Texts for the result codes of midi_service.h, for services that have no
// texts of their own.
#pragma once

#include <string>

#include "midi/device_types.h"

namespace lintra::midi {

// Fills `text` and returns true for a known code; false otherwise.
bool StandardResultText(Result code, std::string& text);

}  // namespace lintra::midi

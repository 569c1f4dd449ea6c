// The texts of the result codes of device_types.h: one table for every back
// end, as the codes are the same everywhere.
#pragma once

#include <string>

#include "midi/device_types.h"

namespace lintra::midi {

// Fills `text` and returns true for a known code; false otherwise.
bool StandardResultText(Result code, std::string& text);

// As the device calls answer: kOk with the text, or kErrInvalParam for an unknown code.
Result ResultText(Result code, std::string& text);

}  // namespace lintra::midi

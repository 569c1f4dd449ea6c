#pragma once

#include <string>

#include "midi/input_device_api.h"
#include "midi/output_device_api.h"

namespace lintra::midi {

// The rule both components follow to turn a result code into text: the
// device calls' text, or a fixed text when they do not know the code.
std::string ServiceErrorText(OutputDeviceApi& devices, Result code);
std::string ServiceErrorText(InputDeviceApi& devices, Result code);

}  // namespace lintra::midi

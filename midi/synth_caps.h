// The built-in synthesizer's device record, known without starting it (or
// loading the module that holds it).
#pragma once

#include <cstdint>

#include "midi/device_types.h"
#include "midi/synth_device_name.h"

namespace lintra::midi {

inline constexpr std::uint16_t kTechSoftwareSynth = 7;  // classic MOD_SWSYNTH

// `driverVersion`: FluidSynth's, major << 8 | minor.
inline OutCaps BuiltInSynthCaps(std::uint32_t driverVersion) {
  OutCaps caps;
  caps.productName = kSynthDeviceName;
  caps.driverVersion = driverVersion;
  caps.technology = kTechSoftwareSynth;
  caps.voices = 256;
  caps.notes = 256;
  caps.channelMask = 0xFFFF;
  return caps;
}

}  // namespace lintra::midi

// The name the built-in synthesizer goes by in the output list, whether it
// sounds (the FluidSynth service) or not (the null service of the tests).
#pragma once

namespace lintra::midi {

inline constexpr const char* kSynthDeviceName = "Built-in Synthesizer";

}  // namespace lintra::midi

#pragma once
// FluidSynth's own SoundFont loader reading Sf2Subsets: each subset is loaded
// under the name SubsetName() gives it, while its Sf2Subsets lives.
#include <fluidsynth.h>

#include <string>

#include "midi/synth/sf2_subset.h"

namespace lintra::midi {

// A loader for fluid_synth_add_sfloader; names it does not know it refuses,
// so the synthesizer's default loader takes them.
fluid_sfloader_t* NewSubsetLoader(fluid_settings_t* settings);

// Makes `subsets` known to the loaders, until Forget; Forget it before it is
// destroyed, and only when no synthesizer that loaded from it is left.
void Remember(const Sf2Subsets& subsets);
void Forget(const Sf2Subsets& subsets);

std::string SubsetName(const Sf2Subsets& subsets, int program);

}  // namespace lintra::midi

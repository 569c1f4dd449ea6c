// Equal-tempered pitch: MIDI note numbers (fractional for a pitch between
// notes) and frequencies, A above middle C (MIDI 69) at 440 Hz.
#pragma once

#include <cmath>

namespace lintra::listen {

inline double NoteToHz(double note) { return 440.0 * std::exp2((note - 69.0) / 12.0); }
inline double HzToNote(double hz) { return 69.0 + 12.0 * std::log2(hz / 440.0); }

}  // namespace lintra::listen

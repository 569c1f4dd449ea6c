// Synthetic notes for the listening tests and the scenario runner: harmonics with chosen strengths
// under a struck envelope.
#pragma once

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "listen/note_pitch.h"

namespace lintra::testing {

struct Tone {
  double note = 69;                       // may lie between notes
  std::vector<double> harmonics = {1.0};  // strength of harmonic 1, 2, ...
  double seconds = 1.0;
  double amplitude = 0.3;
  double decayPerSecond = 1.5;  // exponential, as a struck string
  double tremoloDepth = 0;      // amplitude swing, 0 to 1, at 5 Hz
};

// The sound of `tone` `t` seconds after it began (however long it lasts).
inline double ToneSample(const Tone& tone, double t) {
  const double hz = listen::NoteToHz(tone.note);
  double sum = 0;
  for (std::size_t h = 0; h < tone.harmonics.size(); ++h) {
    sum += tone.harmonics[h] * std::sin(2.0 * std::numbers::pi * hz * static_cast<double>(h + 1) * t);
  }
  const double attack = std::min(1.0, t / 0.003);
  const double tremolo = 1.0 - tone.tremoloDepth * 0.5 * (1.0 - std::cos(2.0 * std::numbers::pi * 5.0 * t));
  return tone.amplitude * attack * std::exp(-tone.decayPerSecond * t) * tremolo * sum;
}

}  // namespace lintra::testing

// Synthetic notes for the listening tests: harmonics with chosen strengths
// under a struck envelope, and the detector run over them.
#pragma once

#include <cmath>
#include <numbers>
#include <vector>

#include "listen/note_detector.h"
#include "listen/note_pitch.h"

namespace lintra::listen {

struct Tone {
  double note = 69;                       // may lie between notes
  std::vector<double> harmonics = {1.0};  // strength of harmonic 1, 2, ...
  double seconds = 1.0;
  double amplitude = 0.3;
  double decayPerSecond = 1.5;  // exponential, as a struck string
  double tremoloDepth = 0;      // amplitude swing, 0 to 1, at 5 Hz
};

// Appends `tone` to `out` (silence when `tone.amplitude` is 0).
inline void AppendTone(std::vector<float>& out, const Tone& tone, double rate) {
  const double hz = NoteToHz(tone.note);
  const auto frames = static_cast<std::size_t>(tone.seconds * rate);
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / rate;
    double sum = 0;
    for (std::size_t h = 0; h < tone.harmonics.size(); ++h) {
      sum += tone.harmonics[h] * std::sin(2.0 * std::numbers::pi * hz * static_cast<double>(h + 1) * t);
    }
    const double attack = std::min(1.0, t / 0.003);
    const double tremolo = 1.0 - tone.tremoloDepth * 0.5 * (1.0 - std::cos(2.0 * std::numbers::pi * 5.0 * t));
    out.push_back(static_cast<float>(tone.amplitude * attack * std::exp(-tone.decayPerSecond * t) * tremolo * sum));
  }
}

inline void AppendSilence(std::vector<float>& out, double seconds, double rate) {
  out.resize(out.size() + static_cast<std::size_t>(seconds * rate), 0.0f);
}

inline std::vector<NoteAnswer> Detect(NoteDetector& detector, const std::vector<float>& samples) {
  std::vector<NoteAnswer> answers;
  for (std::size_t at = 0; at < samples.size(); at += 480) {
    detector.Process(samples.data() + at, std::min<std::size_t>(480, samples.size() - at),
                     [&answers](const NoteAnswer& answer) { answers.push_back(answer); });
  }
  return answers;
}

}  // namespace lintra::listen

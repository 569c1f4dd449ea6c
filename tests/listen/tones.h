// Synthetic notes for the listening tests: harmonics with chosen strengths
// under a struck envelope, and the detector run over them.
#pragma once

#include <vector>

#include "listen/note_detector.h"
#include "testing/tone.h"

namespace lintra::listen {

using testing::Tone;

// Appends `tone` to `out` (silence when `tone.amplitude` is 0).
inline void AppendTone(std::vector<float>& out, const Tone& tone, double rate) {
  const auto frames = static_cast<std::size_t>(tone.seconds * rate);
  for (std::size_t i = 0; i < frames; ++i)
    out.push_back(static_cast<float>(testing::ToneSample(tone, static_cast<double>(i) / rate)));
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

#include "testing/heard_sound.h"

#include <algorithm>
#include <cmath>

namespace lintra::testing {
namespace {

constexpr double kNoiseLevel = 0.002;  // about 44 dB below a played note

}  // namespace

HeardSound::HeardSound(ui::ManualClock& clock, FakeCaptureService& capture)
    : capture_(capture), timer_(clock.CreateTimer("HeardSound", kPeriodMs)) {
  timer_->OnTimer = [this] { Deliver(); };
  timer_->SetEnabled(true);
}

void HeardSound::Hear(double note, int ms, int delayMs) {
  const auto frames = [this](int at) {
    return static_cast<std::int64_t>(std::llround(at * capture_.sampleRate / 1000));
  };
  Tone tone{.note = note, .harmonics = {1.0, 0.5, 0.3}, .seconds = ms / 1000.0};
  sounds_.push_back({tone, frame_ + frames(delayMs), frame_ + frames(delayMs + ms)});
}

void HeardSound::Release(int note) {
  for (Sound& sound : sounds_) {
    if (std::lround(sound.tone.note) == note) sound.to = std::min(sound.to, frame_);
  }
}

void HeardSound::Deliver() {
  const auto frames = static_cast<std::int64_t>(std::llround(kPeriodMs * capture_.sampleRate / 1000));
  const auto channels = static_cast<std::size_t>(capture_.channels);
  block_.assign(static_cast<std::size_t>(frames) * channels, 0.0f);
  for (std::int64_t i = 0; i < frames; ++i) {
    const std::int64_t at = frame_ + i;
    double sample = kNoiseLevel * noise_.Next();
    for (const Sound& sound : sounds_) {
      if (at >= sound.from && at < sound.to)
        sample += ToneSample(sound.tone, static_cast<double>(at - sound.from) / capture_.sampleRate);
    }
    for (std::size_t c = 0; c < channels; ++c)
      block_[static_cast<std::size_t>(i) * channels + c] = static_cast<float>(sample);
  }
  frame_ += frames;
  std::erase_if(sounds_, [this](const Sound& sound) { return sound.to <= frame_; });
  if (capture_.Running()) capture_.Deliver(block_);
}

}  // namespace lintra::testing

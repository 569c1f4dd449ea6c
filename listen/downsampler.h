// Brings any common input rate down to the rate the pitch analysis runs at:
// 22.05 and 44.1 kHz to 22.05 kHz, 48 and 96 kHz to 24 kHz. Everything the
// analysis looks at lies below 10 kHz, and the cost of each analysis grows
// with the number of samples in two periods of the lowest note. A high-pass
// takes off rumble and a microphone's offset on the way.
#pragma once

#include <array>
#include <cstddef>

#include "listen/biquad.h"

namespace lintra::listen {

class Downsampler {
 public:
  explicit Downsampler(double inputRate);

  int Factor() const { return factor_; }
  double OutputRate() const { return outputRate_; }

  // Filters `count` input samples and writes every Factor()-th to `out`,
  // which has room for count / Factor() + 1; returns how many it wrote.
  std::size_t Process(const float* in, std::size_t count, float* out) noexcept;

 private:
  int factor_ = 1;
  double outputRate_ = 0;
  int phase_ = 0;
  Biquad highPass_;
  std::array<Biquad, 4> lowPass_{};  // an eighth-order Butterworth, used when Factor() > 1
};

}  // namespace lintra::listen

// Pink noise (equal power per octave, the spectrum of most room and
// microphone noise) from a seeded generator, through Paul Kellet's filter of
// white noise: the same samples on every run.
#pragma once

#include <cstdint>
#include <random>

namespace lintra::testing {

class PinkNoise {
 public:
  explicit PinkNoise(std::uint32_t seed = 1) : random_(seed) {}

  // One sample of root-mean-square about 1.
  float Next() {
    const double white = normal_(random_);
    b0_ = 0.99886 * b0_ + white * 0.0555179;
    b1_ = 0.99332 * b1_ + white * 0.0750759;
    b2_ = 0.96900 * b2_ + white * 0.1538520;
    b3_ = 0.86650 * b3_ + white * 0.3104856;
    b4_ = 0.55000 * b4_ + white * 0.5329522;
    b5_ = -0.7616 * b5_ - white * 0.0168980;
    const double pink = b0_ + b1_ + b2_ + b3_ + b4_ + b5_ + b6_ + white * 0.5362;
    b6_ = white * 0.115926;
    return static_cast<float>(pink / 3.0);
  }

 private:
  std::mt19937 random_;
  std::normal_distribution<double> normal_;
  double b0_ = 0, b1_ = 0, b2_ = 0, b3_ = 0, b4_ = 0, b5_ = 0, b6_ = 0;
};

}  // namespace lintra::testing

// A second-order filter section (the cookbook's low- and high-pass), in
// double precision: a 30 Hz high-pass at 96 kHz needs it.
#pragma once

namespace lintra::listen {

class Biquad {
 public:
  static Biquad LowPass(double sampleRate, double cutoff, double q);
  static Biquad HighPass(double sampleRate, double cutoff, double q);

  float Process(float x) noexcept {
    const double y = b0_ * x + z1_;
    z1_ = b1_ * x - a1_ * y + z2_;
    z2_ = b2_ * x - a2_ * y;
    return static_cast<float>(y);
  }

 private:
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double z1_ = 0, z2_ = 0;
};

}  // namespace lintra::listen

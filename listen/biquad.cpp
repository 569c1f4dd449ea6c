#include "listen/biquad.h"

#include <cmath>
#include <numbers>

namespace lintra::listen {

namespace {

struct Angle {
  double cosine;
  double alpha;
};

Angle AngleOf(double sampleRate, double cutoff, double q) {
  const double w = 2.0 * std::numbers::pi * cutoff / sampleRate;
  return {std::cos(w), std::sin(w) / (2.0 * q)};
}

}  // namespace

Biquad Biquad::LowPass(double sampleRate, double cutoff, double q) {
  const auto [c, alpha] = AngleOf(sampleRate, cutoff, q);
  const double a0 = 1.0 + alpha;
  Biquad f;
  f.b0_ = (1.0 - c) / 2.0 / a0;
  f.b1_ = (1.0 - c) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2.0 * c / a0;
  f.a2_ = (1.0 - alpha) / a0;
  return f;
}

Biquad Biquad::HighPass(double sampleRate, double cutoff, double q) {
  const auto [c, alpha] = AngleOf(sampleRate, cutoff, q);
  const double a0 = 1.0 + alpha;
  Biquad f;
  f.b0_ = (1.0 + c) / 2.0 / a0;
  f.b1_ = -(1.0 + c) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2.0 * c / a0;
  f.a2_ = (1.0 - alpha) / a0;
  return f;
}

}  // namespace lintra::listen

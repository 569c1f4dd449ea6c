#include "listen/downsampler.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lintra::listen {

namespace {

constexpr double kAnalysisRate = 22050.0;
constexpr double kRumbleCutoff = 30.0;  // below the lowest note listened for

}  // namespace

Downsampler::Downsampler(double inputRate)
    : factor_(std::max(1, static_cast<int>(inputRate / kAnalysisRate + 1e-9))),
      outputRate_(inputRate / factor_),
      highPass_(Biquad::HighPass(inputRate, kRumbleCutoff, std::numbers::sqrt2 / 2.0)) {
  // The Butterworth poles in pairs, each pair one section.
  const double cutoff = 0.4 * outputRate_;
  for (std::size_t k = 0; k < lowPass_.size(); ++k) {
    const double q = 1.0 / (2.0 * std::cos((2.0 * k + 1.0) * std::numbers::pi / 16.0));
    lowPass_[k] = Biquad::LowPass(inputRate, cutoff, q);
  }
}

std::size_t Downsampler::Process(const float* in, std::size_t count, float* out) noexcept {
  std::size_t written = 0;
  for (std::size_t i = 0; i < count; ++i) {
    float x = highPass_.Process(in[i]);
    if (factor_ > 1) {
      for (auto& section : lowPass_) x = section.Process(x);
    }
    if (phase_ == 0) out[written++] = x;
    if (++phase_ == factor_) phase_ = 0;
  }
  return written;
}

}  // namespace lintra::listen

#include "listen/periodicity.h"

#include <kiss_fftr.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <stdexcept>

namespace lintra::listen {

namespace {

constexpr int kSmallestTransform = 64;

struct Plan {
  kiss_fftr_cfg forward = nullptr;
  kiss_fftr_cfg inverse = nullptr;
};

}  // namespace

// One pair of real transforms per power of two up to the longest span, so a
// short span costs a short transform.
struct Periodicity::Plans {
  std::vector<Plan> bySize;  // index k: kSmallestTransform << k points
  std::vector<kiss_fft_cpx> spectrumA, spectrumB;
  std::vector<float> product;

  ~Plans() {
    for (auto& plan : bySize) {
      kiss_fftr_free(plan.forward);
      kiss_fftr_free(plan.inverse);
    }
  }
};

Periodicity::Periodicity(int maxSpan) : plans_(std::make_unique<Plans>()) {
  const int largest = std::max(kSmallestTransform, static_cast<int>(std::bit_ceil(static_cast<unsigned>(maxSpan))));
  for (int size = kSmallestTransform; size <= largest; size *= 2) {
    Plan plan{kiss_fftr_alloc(size, 0, nullptr, nullptr), kiss_fftr_alloc(size, 1, nullptr, nullptr)};
    plans_->bySize.push_back(plan);
    if (!plan.forward || !plan.inverse) throw std::bad_alloc();
  }
  const auto points = static_cast<std::size_t>(largest);
  plans_->spectrumA.resize(points / 2 + 1);
  plans_->spectrumB.resize(points / 2 + 1);
  plans_->product.resize(points);
  windowed_.resize(points);
  whole_.resize(points);
  energy_.resize(points + 1);
  values_.resize(points / 2 + 1);
  normalized_.resize(points / 2 + 1);
}

Periodicity::~Periodicity() = default;

void Periodicity::Compute(const float* samples, int span, int maxLag) noexcept {
  span = std::clamp(span, 2, static_cast<int>(whole_.size()));
  maxLag_ = std::clamp(maxLag, 1, span / 2);
  const int window = span - maxLag_;
  window_ = window;
  const int size = std::max(kSmallestTransform, static_cast<int>(std::bit_ceil(static_cast<unsigned>(span))));
  const Plan& plan = plans_->bySize[static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(size)) -
                                                             std::countr_zero(unsigned{kSmallestTransform}))];

  std::fill(whole_.begin(), whole_.begin() + size, 0.0f);
  std::fill(windowed_.begin(), windowed_.begin() + size, 0.0f);
  std::copy(samples, samples + span, whole_.begin());
  std::copy(samples, samples + window, windowed_.begin());
  energy_[0] = 0;
  for (int i = 0; i < span; ++i) energy_[i + 1] = energy_[i] + double{samples[i]} * samples[i];

  // Cross-correlation of the window with the whole stretch: conj(A) * B.
  kiss_fftr(plan.forward, windowed_.data(), plans_->spectrumA.data());
  kiss_fftr(plan.forward, whole_.data(), plans_->spectrumB.data());
  for (int k = 0; k <= size / 2; ++k) {
    const kiss_fft_cpx a = plans_->spectrumA[k];
    const kiss_fft_cpx b = plans_->spectrumB[k];
    plans_->spectrumA[k] = {a.r * b.r + a.i * b.i, a.r * b.i - a.i * b.r};
  }
  kiss_fftri(plan.inverse, plans_->spectrumA.data(), plans_->product.data());

  const double windowEnergy = energy_[window];
  values_[0] = 1.0;
  double runningSum = 0;
  for (int lag = 1; lag <= maxLag_; ++lag) {
    const double correlation = double{plans_->product[lag]} / size;
    const double shiftedEnergy = energy_[lag + window] - energy_[lag];
    const double difference = std::max(0.0, windowEnergy + shiftedEnergy - 2.0 * correlation);
    runningSum += difference;
    values_[lag] = runningSum > 0 ? difference * lag / runningSum : 1.0;
    const double energies = windowEnergy + shiftedEnergy;
    normalized_[lag] = energies > 0 ? 2.0 * correlation / energies : 0.0;
  }
}

Dip Periodicity::Refined(int lag) const noexcept {
  // The lag between samples from McLeod's normalized function, whose peak an
  // attack's rising amplitude (or a decay) does not move to first order; the
  // difference function's minimum it pulls towards shorter lags.
  if (lag <= 1 || lag >= maxLag_) return {static_cast<double>(lag), values_[lag]};
  int peak = lag;
  if (normalized_[lag - 1] > normalized_[peak]) peak = lag - 1;
  if (normalized_[lag + 1] > normalized_[peak]) peak = lag + 1;
  if (peak <= 1 || peak >= maxLag_) return {static_cast<double>(lag), values_[lag]};
  const double before = normalized_[peak - 1], here = normalized_[peak], after = normalized_[peak + 1];
  const double curvature = before - 2.0 * here + after;
  const double offset = curvature < 0 ? std::clamp(0.5 * (before - after) / curvature, -0.5, 0.5) : 0.0;
  return {peak + offset, values_[lag]};
}

std::optional<Dip> Periodicity::DipNear(double lag, double ratio) const noexcept {
  const int low = std::max(1, static_cast<int>(std::floor(lag / ratio)));
  const int high = std::min(maxLag_, static_cast<int>(std::ceil(lag * ratio)));
  if (low > high || lag * ratio > maxLag_ + 1) return std::nullopt;
  int best = low;
  for (int l = low + 1; l <= high; ++l) {
    if (values_[l] < values_[best]) best = l;
  }
  Dip dip = Refined(best);
  // At an edge of the stretch the function may go on falling beyond it.
  if (best == low && best > 1 && values_[best - 1] < values_[best]) dip.local = false;
  if (best == high && (best == maxLag_ || values_[best + 1] < values_[best])) dip.local = false;
  return dip;
}

std::optional<Dip> Periodicity::FirstDipBelow(double threshold, int minLag) const noexcept {
  for (int lag = std::max(1, minLag); lag <= maxLag_; ++lag) {
    if (values_[lag] >= threshold) continue;
    while (lag < maxLag_ && values_[lag + 1] < values_[lag]) ++lag;
    // A dip still falling at the end of the reach is not known yet.
    if (lag == maxLag_) return std::nullopt;
    return Refined(lag);
  }
  return std::nullopt;
}

}  // namespace lintra::listen

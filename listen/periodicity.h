// YIN's cumulative mean normalized difference function over a stretch of
// samples: near 0 at lags where the signal repeats itself, near 1 for noise.
// The difference function is worked out from an autocorrelation by FFT
// (KISS FFT), so one analysis costs three transforms, not lags x window.
//
// All memory is taken by the constructor; Compute allocates nothing.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace lintra::listen {

struct Dip {
  double lag = 0;     // in samples, refined between samples
  double value = 1;   // the normalized difference there
  bool local = true;  // a true minimum, not the edge of a stretch still falling
};

class Periodicity {
 public:
  // `maxSpan`: the longest stretch Compute will be given.
  explicit Periodicity(int maxSpan);
  ~Periodicity();
  Periodicity(const Periodicity&) = delete;
  Periodicity& operator=(const Periodicity&) = delete;

  // Analyses `span` samples for lags 1 to `maxLag` (at most span / 2): the
  // first span - maxLag samples are compared with each of their shifts.
  void Compute(const float* samples, int span, int maxLag) noexcept;

  int MaxLag() const { return maxLag_; }
  // How many samples are compared with their shifts.
  int Window() const { return window_; }
  double At(int lag) const { return values_[static_cast<std::size_t>(lag)]; }

  // The lowest value between lag / ratio and lag * ratio (within 1 to
  // MaxLag()); nullopt when that stretch is out of reach.
  std::optional<Dip> DipNear(double lag, double ratio) const noexcept;
  // YIN's choice: the first lag from `minLag` on whose value falls below
  // `threshold`, followed down to its local minimum.
  std::optional<Dip> FirstDipBelow(double threshold, int minLag) const noexcept;

 private:
  struct Plans;
  Dip Refined(int lag) const noexcept;

  std::unique_ptr<Plans> plans_;
  std::vector<float> windowed_, whole_;
  std::vector<double> energy_;  // running sums of squares
  std::vector<double> values_;
  std::vector<double> normalized_;  // McLeod's normalized square difference, for the lag's refinement
  int maxLag_ = 0;
  int window_ = 0;
};

}  // namespace lintra::listen

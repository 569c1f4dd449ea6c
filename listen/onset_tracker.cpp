#include "listen/onset_tracker.h"

#include <algorithm>
#include <limits>

namespace lintra::listen {

std::optional<int> OnsetTracker::Push(double hopEnergy) noexcept {
  const int levelHops = std::clamp(settings_.levelHops, 1, static_cast<int>(kHistory) / 2);
  const auto back = [this](int hops) { return (newest_ + kHistory - static_cast<std::size_t>(hops)) % kHistory; };
  newest_ = (newest_ + 1) % kHistory;
  levelSum_ += hopEnergy - hops_[back(levelHops)];
  hops_[newest_] = hopEnergy;
  const double level = std::max(0.0, levelSum_ / levelHops);
  smoothed_[newest_] = level;
  constexpr int kLong = 1 << 20;
  sinceOnset_ = std::min(sinceOnset_ + 1, kLong);
  sinceArmed_ = std::min(sinceArmed_ + 1, kLong);
  if (!armed_) {
    peak_ = std::max(peak_, level);
    if (level >= settings_.rearmRatio * peak_) return std::nullopt;
    armed_ = true;
    sinceArmed_ = 0;
  }

  const int lookBack = std::min({settings_.lookBackHops, static_cast<int>(kHistory) - 1, sinceArmed_});
  if (lookBack < settings_.settleHops) return std::nullopt;
  double lowest = std::numeric_limits<double>::max();
  for (int hops = settings_.settleHops; hops <= lookBack; ++hops) lowest = std::min(lowest, smoothed_[back(hops)]);
  if (level < settings_.quietest || level < settings_.riseRatio * lowest) return std::nullopt;
  if (sinceOnset_ <= settings_.refractoryHops) return std::nullopt;
  sinceOnset_ = 0;
  armed_ = false;
  peak_ = level;
  // The note started with the oldest of the averaged hops that already
  // stands out of the level before.
  int start = 0;
  while (start + 1 < levelHops && hops_[back(start + 1)] > 2.0 * lowest) ++start;
  return start;
}

}  // namespace lintra::listen

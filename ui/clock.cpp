#include "ui/clock.h"

#include <chrono>

namespace lintra::ui {

std::int64_t Clock::WallTimeUtcMs() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled_) {
    Restart();
  } else {
    Stop();
  }
}

void Timer::SetInterval(int ms) {
  if (ms == interval_) return;
  interval_ = ms;
  if (enabled_) Restart();
}

}  // namespace lintra::ui

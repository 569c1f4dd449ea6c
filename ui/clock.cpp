#include "ui/clock.h"

namespace lintra::ui {

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

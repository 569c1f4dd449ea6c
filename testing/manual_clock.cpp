#include "testing/manual_clock.h"

#include <algorithm>

namespace lintra::ui {

class ManualClock::ManualTimer : public Timer {
 public:
  ManualTimer(ManualClock& clock, std::string name, int interval) : Timer(std::move(name), interval), clock_(&clock) {}
  ~ManualTimer() override {
    if (clock_ == nullptr) return;
    auto& list = clock_->timers_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }

  bool running = false;
  std::int64_t due = 0;
  std::uint64_t generation = 0;  // changes whenever the count restarts
  ManualClock* clock_;

 protected:
  void Restart() override {
    running = Interval() > 0;
    due = clock_->now_ + Interval();
    ++generation;
  }
  void Stop() override {
    running = false;
    ++generation;
  }
};

ManualClock::~ManualClock() {
  for (auto* timer : timers_) timer->clock_ = nullptr;
}

std::int64_t ManualClock::TimeOfDayMs() const {
  std::int64_t t = now_ % kMsPerDay;
  return t < 0 ? t + kMsPerDay : t;
}

std::unique_ptr<Timer> ManualClock::CreateTimer(std::string name, int interval) {
  auto timer = std::make_unique<ManualTimer>(*this, std::move(name), interval);
  timers_.push_back(timer.get());
  return timer;
}

void ManualClock::Advance(std::int64_t ms) {
  const std::int64_t end = now_ + ms;
  for (;;) {
    ManualTimer* next = nullptr;
    for (auto* timer : timers_) {
      if (timer->running && timer->due <= end && (next == nullptr || timer->due < next->due)) next = timer;
    }
    if (next == nullptr) break;
    now_ = next->due;
    const auto generation = next->generation;
    if (next->OnTimer) next->OnTimer();
    // A tick that neither stopped nor restarted its timer leaves it counting on.
    if (next->running && next->generation == generation) next->due += next->Interval();
  }
  now_ = end;
}

}  // namespace lintra::ui

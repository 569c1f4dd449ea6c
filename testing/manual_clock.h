// A clock that moves only when told to; every due tick runs at its own time.
#pragma once

#include <vector>

#include "ui/clock.h"

namespace lintra::ui {

class ManualClock : public Clock {
 public:
  explicit ManualClock(std::int64_t startMs = 12LL * 60 * 60 * 1000) : now_(startMs) {}
  ~ManualClock() override;

  std::int64_t TimeOfDayMs() const override;
  // The manual clock's days are counted from Monday, 7 December 2026 (UTC), so that wall times are
  // as exact as the times of day.
  static constexpr std::int64_t kFirstDayUtcMs = 1796601600000LL;
  std::int64_t WallTimeUtcMs() const override { return kFirstDayUtcMs + now_; }
  int UtcOffsetMinutes() const override { return utcOffsetMinutes_; }
  std::unique_ptr<Timer> CreateTimer(std::string name, int interval) override;

  // Runs every tick that falls due up to and including now + ms, in time
  // order (timers created earlier first at equal times); the clock reads each
  // tick's own time while it runs.
  void Advance(std::int64_t ms);
  std::int64_t Now() const { return now_; }
  void SetNow(std::int64_t ms) { now_ = ms; }
  // A journey or a daylight-saving change: the local time moves, UTC does not.
  void SetUtcOffsetMinutes(int minutes) { utcOffsetMinutes_ = minutes; }

 private:
  class ManualTimer;
  friend class ManualTimer;
  std::int64_t now_;
  int utcOffsetMinutes_ = 0;
  std::vector<ManualTimer*> timers_;
};

}  // namespace lintra::ui

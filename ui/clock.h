// Time of day and timers, behind a seam so that the question cycle can be
// driven by a manual clock in tests and scenarios.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace lintra::ui {

inline constexpr std::int64_t kMsPerDay = 24LL * 60 * 60 * 1000;

// A window timer.  Enabling a running timer leaves its count running;
// assigning a new interval to a running timer starts its count again;
// assigning the value a timer already has changes nothing.  A tick stops
// nothing by itself: the handler disables its timer when it wants one tick.
class Timer {
 public:
  virtual ~Timer() = default;

  bool Enabled() const { return enabled_; }
  int Interval() const { return interval_; }
  void SetEnabled(bool enabled);
  void SetInterval(int ms);

  std::function<void()> OnTimer;
  const std::string& Name() const { return name_; }

 protected:
  explicit Timer(std::string name, int interval) : name_(std::move(name)), interval_(interval) {}
  // Start counting one interval from now (or stop).
  virtual void Restart() = 0;
  virtual void Stop() = 0;

 private:
  std::string name_;
  bool enabled_ = false;
  int interval_;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since midnight, UTC, 0 .. kMsPerDay - 1.
  virtual std::int64_t TimeOfDayMs() const = 0;
  // Milliseconds since 1970-01-01 UTC: when an answer was given, for the journal.
  virtual std::int64_t WallTimeUtcMs() const;
  // Minutes the local time is ahead of UTC: where the student's days begin.
  virtual int UtcOffsetMinutes() const { return 0; }
  virtual std::unique_ptr<Timer> CreateTimer(std::string name, int interval) = 0;
};

}  // namespace lintra::ui

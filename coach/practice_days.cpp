#include "coach/practice_days.h"

#include <algorithm>

namespace lintra::coach {

std::int64_t LocalDay(std::int64_t utcMs, int utcOffsetMinutes) {
  constexpr std::int64_t kDayMs = 24LL * 60 * 60 * 1000;
  const std::int64_t local = utcMs + std::int64_t{utcOffsetMinutes} * 60 * 1000;
  return local >= 0 ? local / kDayMs : (local - kDayMs + 1) / kDayMs;
}

DayCounts DaysOfSessions(const std::vector<journal::SessionFirstTries>& sessions, int offsetNow,
                         std::optional<std::int64_t> leaveOut) {
  DayCounts days;
  for (const auto& session : sessions) {
    if (session.external == leaveOut) continue;
    days[LocalDay(session.startedMs, session.utcOffsetMinutes.value_or(offsetNow))] += session.firstTries;
  }
  return days;
}

Streaks CountStreaks(const DayCounts& days, int goal, std::int64_t today) {
  Streaks streaks;
  if (goal <= 0) return streaks;
  int run = 0;
  std::int64_t previous = 0;
  for (const auto& [day, count] : days) {
    if (count < goal) {
      run = 0;
      continue;
    }
    run = (run > 0 && day == previous + 1) ? run + 1 : 1;
    previous = day;
    streaks.best = std::max(streaks.best, run);
    if (day == today || day == today - 1) streaks.current = run;
  }
  return streaks;
}

}  // namespace lintra::coach

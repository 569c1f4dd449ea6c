// The student's practice by local calendar day, for the daily goal: how many first tries each day
// holds and the run of days on which the goal was met. A session counts for the local day it began
// (the offset from UTC it began with), so that a clock set back, a journey or a daylight-saving
// change neither loses nor doubles a day.
#pragma once

#include <cstdint>
#include <map>

namespace lintra::coach {

// Days since 1970-01-01 in the local time `utcOffsetMinutes` from UTC.
std::int64_t LocalDay(std::int64_t utcMs, int utcOffsetMinutes);

// First tries per local day.
using DayCounts = std::map<std::int64_t, int>;

struct Streaks {
  int current = 0;  // the run of days with the goal met, ending `today` or the day before
  int best = 0;     // the longest such run ever
};

// Days after `today` (a clock that was ahead once) count for the best run but not the current one.
Streaks CountStreaks(const DayCounts& days, int goal, std::int64_t today);

}  // namespace lintra::coach

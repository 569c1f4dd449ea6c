// The student's practice by local calendar day, for the daily goal: how many first tries each day
// holds and the run of days on which the goal was met. A session counts for the local day it began
// (the offset from UTC it began with), so that a clock set back, a journey or a daylight-saving
// change neither loses nor doubles a day.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "journal/journal_reader.h"

namespace lintra::coach {

// Days since 1970-01-01 in the local time `utcOffsetMinutes` from UTC.
std::int64_t LocalDay(std::int64_t utcMs, int utcOffsetMinutes);

// First tries per local day.
using DayCounts = std::map<std::int64_t, int>;

struct Streaks {
  int current = 0;  // the run of days with the goal met, ending `today` or the day before
  int best = 0;     // the longest such run ever
};

// The journal's sessions by the local day each began, at the offset it began with (`offsetNow` for
// sessions written before the journal kept it); the session `leaveOut` (one counted as it is answered)
// is left out.
DayCounts DaysOfSessions(const std::vector<journal::SessionFirstTries>& sessions, int offsetNow,
                         std::optional<std::int64_t> leaveOut = std::nullopt);

// Days after `today` (a clock that was ahead once) count for the best run but not the current one.
Streaks CountStreaks(const DayCounts& days, int goal, std::int64_t today);

}  // namespace lintra::coach

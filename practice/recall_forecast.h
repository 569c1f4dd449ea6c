// About how many days of practice, at the student's own pace, until every note of a pool is fluent
// when a day's practice begins: the recall model played forward under the likeliest student, each
// day's questions going to the notes least recalled, as "Practise Weak Notes" asks them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "practice/recall_model.h"

namespace lintra::practice {

inline constexpr int kForecastDaysAtMost = 365;
inline constexpr int kForecastDaysPractised = 3;  // before that, how much a night takes is not known

// No answer while it cannot tell: a note of the pool still new, fewer than kForecastDaysPractised
// days of practice seen, no pace (fewer than one question a day), or more than a year ahead.
// 0 when every note is fluent now.
std::optional<int> DaysToFluent(const RecallModel& model, std::span<const theory::NoteSlot> pool,
                                double questionsPerDay, std::int64_t nowUtcMs);

}  // namespace lintra::practice

// The Progress window's pictures in words: one line each, in the student's language, for a screen
// reader and for whoever would rather read than look.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "coach/progress_report.h"

namespace lintra::coach {

// "fluent", "learning", "new".
std::string StateName(practice::MasteryState state);

// "9 of 15 notes fluent, 4 learning, 2 new. Weakest: F#3 (12%), G3 (20%)."
std::string MapSummary(const std::vector<NoteMastery>& notes);

// "Fluent in about 12 days at your pace.", or asks for practice while there is no forecast.
std::string ForecastSummary(std::optional<int> daysToFluent);

// "Days with practice in the last 119: 48, 2,300 questions. Days in a row: 5 (longest: 12)."
std::string CalendarSummary(const std::vector<journal::TrendPoint>& days, int calendarDays, const Streaks& streaks);
// How dark a calendar day is drawn: 0 for no practice, else 1 to 4 by its share of the busiest day.
int CalendarLevel(int firstTries, int busiest);
enum class TrendOf { Days, Sessions };
// The first and the last period's accuracy and median time, and how many sessions practised weak
// notes.
std::string TrendSummary(const std::vector<journal::TrendPoint>& points, TrendOf kind);

}  // namespace lintra::coach

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

enum class TrendOf { Days, Sessions };
// The first and the last period's accuracy and median time, and how many sessions practised weak
// notes.
std::string TrendSummary(const std::vector<journal::TrendPoint>& points, TrendOf kind);

}  // namespace lintra::coach

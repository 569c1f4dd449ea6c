#include "coach/progress_summary.h"

#include <algorithm>
#include <cmath>

#include "ui/translate.h"

namespace lintra::coach {
namespace {

using practice::MasteryState;

std::string Percent(double value) { return std::to_string(std::lround(value)); }

std::string Accuracy(const journal::TrendPoint& point) {
  return Percent(point.firstTries == 0 ? 0.0 : 100.0 * point.firstTriesRight / point.firstTries);
}

// "1.4": seconds to the tenth.
std::string Seconds(std::int64_t ms) {
  const std::int64_t tenths = (std::max<std::int64_t>(ms, 0) + 50) / 100;
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

// The notes read least surely, at most three, weakest first.
std::string Weakest(const std::vector<NoteMastery>& notes) {
  std::vector<const NoteMastery*> weak;
  for (const NoteMastery& note : notes) {
    if (note.mastery.firstTries > 0 && note.mastery.state != MasteryState::Fluent) weak.push_back(&note);
  }
  std::stable_sort(weak.begin(), weak.end(),
                   [](const NoteMastery* a, const NoteMastery* b) { return a->mastery.figure < b->mastery.figure; });
  std::string list;
  for (std::size_t i = 0; i < std::min<std::size_t>(weak.size(), 3); ++i) {
    if (!list.empty()) list += ", ";
    list += ui::Args(ui::Tr("Progress", "%1 (%2%)"), {weak[i]->name, Percent(weak[i]->mastery.figure)});
  }
  return list;
}

}  // namespace

std::string StateName(MasteryState state) {
  switch (state) {
    case MasteryState::New:
      return ui::Tr("Progress", "new");
    case MasteryState::Learning:
      return ui::Tr("Progress", "learning");
    case MasteryState::Fluent:
      return ui::Tr("Progress", "fluent");
  }
  return {};
}

std::string MapSummary(const std::vector<NoteMastery>& notes) {
  int counts[3] = {0, 0, 0};
  int asked = 0;
  for (const NoteMastery& note : notes) {
    ++counts[static_cast<int>(note.mastery.state)];
    asked += note.mastery.firstTries > 0 ? 1 : 0;
  }
  if (asked == 0) return ui::Tr("Progress", "No note of this pool has been asked in this key yet.");
  std::string text =
      ui::Args(ui::Tr("Progress", "%1 of %2 notes fluent, %3 learning, %4 new."),
               {std::to_string(counts[static_cast<int>(MasteryState::Fluent)]), std::to_string(notes.size()),
                std::to_string(counts[static_cast<int>(MasteryState::Learning)]),
                std::to_string(counts[static_cast<int>(MasteryState::New)])});
  if (const std::string weakest = Weakest(notes); !weakest.empty()) {
    text += " " + ui::Args(ui::Tr("Progress", "Weakest: %1."), {weakest});
  }
  return text;
}

std::string CalendarSummary(const std::vector<journal::TrendPoint>& days, int calendarDays, const Streaks& streaks) {
  int questions = 0;
  for (const auto& day : days) questions += day.firstTries;
  return ui::Args(ui::Tr("Progress",
                         "Days with practice in the last %1: %2, with %3 questions. Days in a row: %4 "
                         "(the longest run: %5)."),
                  {std::to_string(calendarDays), std::to_string(days.size()), std::to_string(questions),
                   std::to_string(streaks.current), std::to_string(streaks.best)});
}

int CalendarLevel(int firstTries, int busiest) {
  if (firstTries <= 0 || busiest <= 0) return 0;
  return std::clamp((4 * firstTries + busiest - 1) / busiest, 1, 4);
}

std::string ForecastSummary(std::optional<int> daysToFluent) {
  if (!daysToFluent) return ui::Tr("Progress", "Keep practising to get a forecast.");
  // Nothing is promised for today: what is fluent now is said as such.
  if (*daysToFluent <= 0) return ui::Tr("Progress", "Every note of this pool is fluent now.");
  return ui::Tr("Progress", "Fluent in about %n days at your pace.", "", *daysToFluent);
}

std::string TrendSummary(const std::vector<journal::TrendPoint>& points, TrendOf kind) {
  const bool days = kind == TrendOf::Days;
  if (points.empty()) {
    return days ? ui::Args(ui::Tr("Progress", "No answers in this key in the last %1 days."),
                           {std::to_string(kTrendDays)})
                : ui::Tr("Progress", "No session has practised this key yet.");
  }
  const journal::TrendPoint& first = points.front();
  const journal::TrendPoint& last = points.back();
  std::string text;
  if (points.size() == 1) {
    text =
        ui::Args(days ? ui::Tr("Progress", "One day of practice: %1% right at the first try, median answer time %2 s.")
                      : ui::Tr("Progress", "One session: %1% right at the first try, median answer time %2 s."),
                 {Accuracy(last), Seconds(last.medianResponseMs)});
  } else {
    const int n = static_cast<int>(points.size());
    text = ui::Args(days ? ui::Tr("Progress",
                                  "Over %n days of practice: right at the first try from %1% to %2%, median answer "
                                  "time from %3 s to %4 s.",
                                  "", n)
                         : ui::Tr("Progress",
                                  "Over the last %n sessions: right at the first try from %1% to %2%, median answer "
                                  "time from %3 s to %4 s.",
                                  "", n),
                    {Accuracy(first), Accuracy(last), Seconds(first.medianResponseMs), Seconds(last.medianResponseMs)});
  }
  const int weak =
      static_cast<int>(std::count_if(points.begin(), points.end(), [](const auto& p) { return p.weakNotes; }));
  if (!days && weak > 0) {
    text += " " + (points.size() == 1 ? ui::Tr("Progress", "It practised weak notes.")
                                      : ui::Tr("Progress", "%n of them practised weak notes.", "", weak));
  }
  return text;
}

}  // namespace lintra::coach

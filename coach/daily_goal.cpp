#include "coach/daily_goal.h"

#include <algorithm>
#include <cctype>

#include "ui/translate.h"

namespace lintra::coach {
namespace {

constexpr int kMostQuestionsADay = 10000;

std::string Trimmed(const std::string& text) {
  const auto first = std::find_if_not(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c); });
  const auto last = std::find_if_not(text.rbegin(), text.rend(), [](unsigned char c) { return std::isspace(c); });
  return first < last.base() ? std::string(first, last.base()) : std::string();
}

}  // namespace

std::optional<int> ParseDailyGoal(const std::string& text) {
  const std::string digits = Trimmed(text);
  if (digits.empty()) return 0;
  if (digits.size() > 5 ||
      !std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c); })) {
    return std::nullopt;
  }
  const int goal = std::stoi(digits);
  if (goal > kMostQuestionsADay) return std::nullopt;
  return goal;
}

std::string DailyGoalText(int today, int goal, int streak) {
  std::string text =
      today >= goal ? ui::Args(ui::Tr("DailyGoal", "Today's goal is met: %1 of %2."),
                               {std::to_string(today), std::to_string(goal)})
                    : ui::Args(ui::Tr("DailyGoal", "Today: %1 of %2."), {std::to_string(today), std::to_string(goal)});
  if (streak == 1) text += " " + ui::Tr("DailyGoal", "1 day in a row.");
  if (streak > 1) text += " " + ui::Tr("DailyGoal", "%n days in a row.", "", streak);
  return text;
}

void DailyGoal::AddHandlers(ui::Handlers& handlers) {
  handlers.Add("DailyGoalClick", [this] { DailyGoalClick(); });
}

void DailyGoal::OptionsLoaded() { goal_ = ParseDailyGoal(options_.Value(Option::DailyGoal)).value_or(0); }

void DailyGoal::Started() {
  if (goal_ > 0) Show();
}

void DailyGoal::SavingOptions(Options& options) {
  options.Set(Option::DailyGoal, goal_ > 0 ? std::to_string(goal_) : "");
}

void DailyGoal::OptionToggled(Option option) {
  // Switching the time and mistake off hides the line the goal is on too.
  if (option == Option::ShowTimeAndMistake && goal_ > 0) Show();
}

void DailyGoal::Answered(const practice::JudgedAnswer& answer) {
  if (answer.attempt != 1) return;
  if (!sessionDay_) sessionDay_ = LocalDay(answer.wallTimeUtcMs, services_.clock.UtcOffsetMinutes());
  ++sessionFirstTries_;
  if (goal_ > 0) Show();
}

void DailyGoal::JournalReset() {
  earlier_.reset();
  sessionDay_.reset();
  sessionFirstTries_ = 0;
  if (goal_ > 0) Show();
}

std::int64_t DailyGoal::Today() const {
  return sessionDay_.value_or(LocalDay(services_.clock.WallTimeUtcMs(), services_.clock.UtcOffsetMinutes()));
}

DayCounts DailyGoal::Days() {
  if (!earlier_) {
    const int offsetNow = services_.clock.UtcOffsetMinutes();
    const auto sessions =
        journal_.Read([](const journal::JournalReader& reader) { return reader.FirstTriesPerSession(); });
    earlier_ = DaysOfSessions(sessions, offsetNow, journal_.SessionId());  // this one counted as it is answered
  }
  DayCounts days = *earlier_;
  if (sessionFirstTries_ > 0) days[Today()] += sessionFirstTries_;
  return days;
}

void DailyGoal::Show() {
  auto& model = window_.Model();
  auto& line = model.C(ui::control::StatusLine);
  const bool timeShown = model.M(ui::menu::ShowTimeAndMistake).checked;
  // After an answer the time and mistake stand first; the goal's words follow them, in place of
  // the ones shown before.
  std::string before = timeShown ? line.text : std::string();
  if (!shownText_.empty() && before.ends_with(shownText_)) before.resize(before.size() - shownText_.size());
  while (!before.empty() && before.back() == ' ') before.pop_back();
  shownText_.clear();
  if (goal_ > 0) {
    const DayCounts days = Days();
    const auto today = days.find(Today());
    const int done = today == days.end() ? 0 : today->second;
    shownText_ = DailyGoalText(done, goal_, CountStreaks(days, goal_, Today()).current);
  }
  model.SetText(line, before.empty() || shownText_.empty() ? before + shownText_ : before + " " + shownText_);
  model.SetVisible(line, timeShown || goal_ > 0);
}

void DailyGoal::DailyGoalClick() {
  std::string value = goal_ > 0 ? std::to_string(goal_) : "";
  if (!services_.dialogs.InputQuery(ui::Tr("DailyGoal", "Daily Goal"),
                                    ui::Tr("DailyGoal", "Questions a day (empty or 0 for no goal):"), value)) {
    return;
  }
  const auto goal = ParseDailyGoal(value);
  if (!goal) {
    services_.dialogs.Message(ui::Tr("DailyGoal", "Please enter a whole number of questions from 0 to 10000."));
    return;
  }
  const bool wasSet = goal_ > 0;
  goal_ = *goal;
  if (const auto error = save_()) {
    services_.dialogs.Message(*error + " " + ui::Tr("DailyGoal", "The goal applies until the program ends."));
  }
  if (wasSet || goal_ > 0) Show();
}

}  // namespace lintra::coach

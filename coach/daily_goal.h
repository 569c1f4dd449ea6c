// "Progress" > "Daily Goal...": a number of questions a day. While one is set, the status line says
// how far today's practice is and how many days in a row the goal was met, and says so quietly when
// today's is met. Counted from the journal's first tries and this session's, each session for the
// local day of its first answer.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "coach/answer_journal.h"
#include "coach/feature.h"
#include "coach/practice_days.h"
#include "coach/services.h"
#include "coach/window.h"

namespace lintra::coach {

// The goal a typed text asks for: 0 for none (empty or 0), nothing for a text that is not a
// whole number of questions the goal can hold.
std::optional<int> ParseDailyGoal(const std::string& text);
// The status line's words for a goal of `goal` with `today` first tries today.
std::string DailyGoalText(int today, int goal, int streak);

class DailyGoal : public Feature {
 public:
  using SaveOptions = std::function<std::optional<std::string>()>;
  DailyGoal(Window& window, Services& services, const Options& options, AnswerJournal& journal, SaveOptions save)
      : window_(window), services_(services), options_(options), journal_(journal), save_(std::move(save)) {}

  void AddHandlers(ui::Handlers& handlers) override;
  void OptionsLoaded() override;
  void Started() override;
  void SavingOptions(Options& options) override;
  void OptionToggled(Option option) override;
  void Answered(const practice::JudgedAnswer& answer) override;
  void JournalReset() override;

  int Goal() const { return goal_; }
  // The first tries of today (the session's day) and the days in a row, this session's included.
  DayCounts Days();
  std::int64_t Today() const;

 private:
  void DailyGoalClick();
  void Show();

  Window& window_;
  Services& services_;
  const Options& options_;
  AnswerJournal& journal_;
  SaveOptions save_;
  int goal_ = 0;
  std::optional<std::int64_t> sessionDay_;  // the local day of this session's first answer
  int sessionFirstTries_ = 0;
  std::optional<DayCounts> earlier_;
  std::string shownText_;  // the goal's words on the status line  // the journal's other sessions, read once
};

}  // namespace lintra::coach

#include "practice/reading_model.h"

#include "practice/recall_forecast.h"

namespace lintra::practice {

Mastery ReadingModel::MasteryOf(theory::NoteSlot slot, std::int64_t nowUtcMs) const {
  Mastery mastery;
  mastery.firstTries = Recall().Answers(slot);
  if (mastery.firstTries == 0) return mastery;
  // The figure and the state come from the same chance: fluent while more likely than not.
  mastery.figure = 100.0 * (1.0 - Recall().NotFluentChance(slot, nowUtcMs));
  mastery.state = StateNow(slot, nowUtcMs);
  return mastery;
}

std::optional<int> ReadingModel::DaysToFluent(std::span<const theory::NoteSlot> pool, double questionsPerDay,
                                              std::int64_t nowUtcMs) const {
  return practice::DaysToFluent(Recall(), pool, questionsPerDay, nowUtcMs);
}

}  // namespace lintra::practice

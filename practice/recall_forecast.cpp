#include "practice/recall_forecast.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace lintra::practice {

std::optional<int> DaysToFluent(const RecallModel& model, std::span<const theory::NoteSlot> pool,
                                double questionsPerDay, std::int64_t nowUtcMs) {
  if (pool.empty() || !(questionsPerDay >= 1.0) || model.Sittings() < kForecastDaysPractised) return std::nullopt;
  std::vector<NoteRecall> notes;
  bool allFluentNow = true;
  for (const theory::NoteSlot slot : pool) {
    const MasteryState state = model.StateNow(slot, nowUtcMs);
    if (state == MasteryState::New) return std::nullopt;
    allFluentNow = allFluentNow && state == MasteryState::Fluent;
    notes.push_back(model.NoteNow(slot, nowUtcMs));
  }
  if (allFluentNow) return 0;
  const auto allFluent = [&] {
    return std::all_of(notes.begin(), notes.end(), [](const NoteRecall& n) { return n.Recall() >= kFluentRecall; });
  };
  const LearnerRates rates = model.Likeliest();
  const auto perDay = std::lround(std::min(questionsPerDay, 1e4));
  const auto leastRecalled = [](const NoteRecall& a, const NoteRecall& b) { return a.Recall() < b.Recall(); };
  for (int day = 1; day <= kForecastDaysAtMost; ++day) {
    for (long q = 0; q < perDay; ++q) {
      NoteRecall& note = *std::min_element(notes.begin(), notes.end(), leastRecalled);
      const double before = note.Recall();
      note.held += rates.learn * (1.0 - note.held);
      // Right as often as its recall says, strengthened then; weakened by the misses.
      note.stabilityHours *= before * (1.0 + rates.growth * (1.0 - before)) + (1.0 - before) * rates.lapse;
    }
    for (NoteRecall& note : notes) note.held *= std::exp(-24.0 / note.stabilityHours);
    if (allFluent()) return day;
  }
  return std::nullopt;
}

}  // namespace lintra::practice

// What the trainer knows of the student's reading of one key's notes: the recall model that knows
// the clock (recall_model.h), fed every first try in the order answered. The weak-note pick draws
// from it, and the Progress window reads each note's state, figure and the forecast from it: the
// two never disagree, and this is the one place that says how the model's estimates become states
// and figures. Every question about a note is asked at a time, since recall fades with the clock.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "practice/first_try.h"
#include "practice/mastery.h"
#include "practice/weak_pick.h"

namespace lintra::practice {

class ReadingModel {
 public:
  void Observe(const FirstTry& answer) { pick_.Observe(answer); }
  // The notes the questions are drawn from: the pool's lowest and highest notes are judged apart.
  void MeetPool(std::span<const theory::NoteSlot> pool) { pick_.MeetPool(pool); }
  // As WeakNotePick::Pick: one draw of `random`, the notes judged at `nowUtcMs`.
  theory::NoteSlot Pick(theory::Random& random, std::span<const theory::NoteSlot> candidates, std::int64_t nowUtcMs) {
    return pick_.Pick(random, candidates, nowUtcMs);
  }

  // The note's state and figure at `nowUtcMs`: what was fluent yesterday may be learning again.
  Mastery MasteryOf(theory::NoteSlot slot, std::int64_t nowUtcMs) const;
  // The expected share of right first tries on the note at `nowUtcMs`, faded since its last one.
  double RecallNow(theory::NoteSlot slot, std::int64_t nowUtcMs) const { return Recall().RecallNow(slot, nowUtcMs); }
  MasteryState StateNow(theory::NoteSlot slot, std::int64_t nowUtcMs) const {
    return Recall().StateNow(slot, nowUtcMs);
  }
  // About how many days, at `questionsPerDay`, until every note of `pool` is fluent when a day's
  // practice begins; nothing while it cannot tell (see recall_forecast.h).
  std::optional<int> DaysToFluent(std::span<const theory::NoteSlot> pool, double questionsPerDay,
                                  std::int64_t nowUtcMs) const;

  const RecallModel& Recall() const { return pick_.Recall(); }
  // As WeakNotePick::Weights: for drawing a line rich in the notes the student is weak on, at `nowUtcMs`.
  std::vector<std::uint32_t> Weights(std::span<const theory::NoteSlot> candidates, std::int64_t nowUtcMs) {
    return pick_.Weights(candidates, nowUtcMs);
  }

 private:
  WeakNotePick pick_;
};

}  // namespace lintra::practice

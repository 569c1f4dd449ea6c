// What the trainer knows of the student's reading of one key's notes: the weak-note pick's model,
// fed every first try in the order given. The pick draws from it, and the Progress window reads
// each note's state and figure from it: the two never disagree, and this is the one place that
// says how the model's estimates become states and figures.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "practice/first_try.h"
#include "practice/mastery.h"
#include "practice/weak_pick.h"

namespace lintra::practice {

class ReadingModel {
 public:
  void Observe(const FirstTry& answer);
  // The notes the questions are drawn from: the pool's lowest and highest notes are judged apart.
  void MeetPool(std::span<const theory::NoteSlot> pool) { pick_.MeetPool(pool); }
  // As WeakNotePick::Pick.
  theory::NoteSlot Pick(theory::Random& random, std::span<const theory::NoteSlot> candidates) {
    return pick_.Pick(random, candidates);
  }
  // As WeakNotePick::Weights: for drawing a line rich in the notes the student is weak on.
  std::vector<std::uint32_t> Weights(std::span<const theory::NoteSlot> candidates) { return pick_.Weights(candidates); }
  Mastery MasteryOf(theory::NoteSlot slot) const;

 private:
  WeakNotePick pick_;
  std::array<int, theory::kNoteSlotCount> firstTries_{};
};

}  // namespace lintra::practice

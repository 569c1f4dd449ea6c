#include "practice/reading_model.h"

namespace lintra::practice {

void ReadingModel::Observe(const FirstTry& answer) {
  pick_.Observe(answer.slot, answer.right, answer.responseMs);
  ++firstTries_.at(answer.slot);
}

Mastery ReadingModel::MasteryOf(theory::NoteSlot slot) const {
  Mastery mastery;
  mastery.firstTries = firstTries_.at(slot);
  if (mastery.firstTries == 0) return mastery;
  // Fluent while the recall the pick aims at is more likely reached than not.
  const double notFluent = pick_.NotFluentChance(slot);
  mastery.figure = 100.0 * (1.0 - notFluent);
  if (mastery.firstTries < kNewBelowFirstTries) {
    mastery.state = MasteryState::New;
  } else {
    mastery.state = notFluent < 0.5 ? MasteryState::Fluent : MasteryState::Learning;
  }
  return mastery;
}

}  // namespace lintra::practice

#include "coach/weak_notes.h"

#include <stdexcept>

namespace lintra::coach {

std::optional<theory::NoteSlot> WeakNotes::PickQuestion(theory::Random& random) {
  if (!window_.Model().M(ui::menu::PractiseWeakNotes).checked) return std::nullopt;
  const auto candidates = choices_.Candidates();
  if (candidates.empty()) throw std::runtime_error("The question pool holds no note in the chosen range");
  return reading_.Of(window_.KeyInForce(), practice::StaffKindOf(window_.ClefRangeInForce()))
      .Pick(random, candidates, reading_.NowUtcMs());
}

}  // namespace lintra::coach

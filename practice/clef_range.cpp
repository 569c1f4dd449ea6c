#include "practice/clef_range.h"

namespace lintra::practice {

std::optional<theory::Clef> CClefOf(ClefRange range) {
  if (range == ClefRange::Alto) return theory::Clef::Alto;
  if (range == ClefRange::Tenor) return theory::Clef::Tenor;
  return std::nullopt;
}

Staff StaffOf(ClefRange range, int step) { return CClefOf(range).value_or(StaffOf(step)); }

int PlaceOnStaff(ClefRange range, int step) { return theory::PlaceOn(StaffOf(range, step), step); }

SlotRun SlotsOf(ClefRange range) {
  const auto run = [](theory::Clef clef) {
    const theory::ClefInfo& info = theory::InfoOf(clef);
    return SlotRun{info.lowest, info.highest};
  };
  if (const auto clef = CClefOf(range)) return run(*clef);
  if (range == ClefRange::Treble) return run(theory::Clef::Treble);
  if (range == ClefRange::Bass) return run(theory::Clef::Bass);
  return {run(theory::Clef::Bass).first, run(theory::Clef::Treble).last};
}

}  // namespace lintra::practice

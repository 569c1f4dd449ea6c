#include "practice/clef_range.h"

#include <algorithm>

namespace lintra::practice {

std::optional<theory::Clef> CClefOf(ClefRange range) {
  if (range == ClefRange::Alto) return theory::Clef::Alto;
  if (range == ClefRange::Tenor) return theory::Clef::Tenor;
  return std::nullopt;
}

StaffKind StaffKindOf(ClefRange range) {
  if (range == ClefRange::Alto) return StaffKind::Alto;
  if (range == ClefRange::Tenor) return StaffKind::Tenor;
  return StaffKind::Grand;
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

std::vector<theory::NoteSlot> PoolIn(theory::KeyId key, ClefRange range) {
  constexpr theory::NoteSlot kChromaticEnd = 70;
  const SlotRun run = SlotsOf(range);
  const theory::KeyInfo* info = theory::FindKey(key);
  std::vector<theory::NoteSlot> pool;
  for (theory::NoteSlot slot = run.first; slot <= run.last && slot < kChromaticEnd; ++slot) {
    const bool inKey = info == nullptr || std::find(info->pool.begin(), info->pool.end(), slot) != info->pool.end();
    if (inKey) pool.push_back(slot);
  }
  return pool;
}

}  // namespace lintra::practice

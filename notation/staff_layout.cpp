#include "notation/staff_layout.h"

#include <cstdlib>

namespace lintra::notation {
namespace {

constexpr int kLinePitch = 2 * kPixelsPerStep;
constexpr int kStaffHeight = 4 * kLinePitch;
// A mark's centre lies this far below the centre of the lowest note asked: under its head and,
// off to its side, past the accidental hanging below it.
constexpr int kMarkBelowLowestNote = 14;

// The ledger lines of a note against one staff whose bottom line is at `bottomY`.
std::vector<int> LedgerLinesAgainst(int bottomY, int noteY) {
  std::vector<int> ledgers;
  const int topY = bottomY - kStaffHeight;
  for (int y = topY - kLinePitch; y >= noteY; y -= kLinePitch) ledgers.push_back(y);
  for (int y = bottomY + kLinePitch; y <= noteY; y += kLinePitch) ledgers.push_back(y);
  return ledgers;
}

// How far a note lies outside the staff whose bottom line is at `bottomY` (0 on it).
int DistanceFrom(int bottomY, int noteY) {
  if (noteY > bottomY) return noteY - bottomY;
  const int topY = bottomY - kStaffHeight;
  return noteY < topY ? topY - noteY : 0;
}

}  // namespace

int StaffLayout::NoteY(theory::NoteSlot slot) const {
  if (!clef_) return theory::SpelledNoteTable().at(slot).staffY;
  return SingleStaffY(theory::PlaceOn(*clef_, theory::LetterStep(slot)));
}

std::vector<int> StaffLayout::LedgerLineYs(int noteY) const {
  if (clef_) return LedgerLinesAgainst(kSingleStaffY, noteY);
  const bool treble = DistanceFrom(kTrebleStaffY, noteY) <= DistanceFrom(kBassStaffY, noteY);
  return LedgerLinesAgainst(treble ? kTrebleStaffY : kBassStaffY, noteY);
}

int StaffLayout::MarkY() const {
  const theory::NoteSlot lowest = clef_ ? theory::InfoOf(*clef_).lowest : theory::NoteSlot{0};
  return NoteY(lowest) + kMarkBelowLowestNote;
}

}  // namespace lintra::notation

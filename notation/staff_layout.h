#pragma once

#include <optional>
#include <vector>

#include "theory/clef.h"
#include "theory/note_table.h"

namespace lintra::notation {

// The staff area every picture is laid out in, in pixels of the window's design.
inline constexpr int kAreaWidth = 249;
inline constexpr int kAreaHeight = 138;
// The height of the music font's text cell (44 pixels above the baseline, 24 below).
inline constexpr int kTextCellHeight = 68;

// The y at which each staff glyph is drawn: the y of its bottom line.
inline constexpr int kTrebleStaffY = 20;
inline constexpr int kBassStaffY = 68;
// A staff of its own, with room above it for two ledger lines and a sharp, and below it for
// three steps of ledger lines and the marks of a line being read.
inline constexpr int kSingleStaffY = 41;
inline constexpr int kPixelsPerStep = 4;

// The y of a place on the single staff (letter steps above its bottom line).
inline constexpr int SingleStaffY(int place) { return kSingleStaffY - kPixelsPerStep * place; }

// Where notes stand on the staff a picture is drawn on: the grand staff of the question cycle, or
// one staff with its own clef (the alto and tenor clefs). The y of a note, like every y of the
// notation, is the y of its text cell; a note drawn at a staff's y sits on its bottom line.
class StaffLayout {
 public:
  static StaffLayout Grand() { return StaffLayout(std::nullopt); }
  static StaffLayout Single(theory::Clef clef) { return StaffLayout(clef); }

  // The clef of a single staff; none for the grand staff.
  const std::optional<theory::Clef>& SingleClef() const { return clef_; }

  int NoteY(theory::NoteSlot slot) const;
  // The y of each ledger line a note at `noteY` sits on or hangs from, from the staff outwards:
  // counted from the nearer staff of the grand staff, so that middle C gets one.
  std::vector<int> LedgerLineYs(int noteY) const;
  // Where the marks under a line of notes stand: clear below the lowest note the staff asks.
  int MarkY() const;

 private:
  explicit StaffLayout(std::optional<theory::Clef> clef) : clef_(clef) {}
  std::optional<theory::Clef> clef_;
};

}  // namespace lintra::notation

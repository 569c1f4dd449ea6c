// Which notes the questions come from and on which staff they are shown: a part of the grand
// staff (the clef commands), or a staff with a C clef of its own.
#pragma once

#include <optional>

#include "practice/staff_place.h"
#include "theory/clef.h"
#include "theory/note_table.h"

namespace lintra::practice {

// Stored by position; new ranges go at the end.
enum class ClefRange { Treble, Bass, Grand, Alto, Tenor };

// The C clef whose staff shows the questions; none for the ranges of the grand staff.
std::optional<theory::Clef> CClefOf(ClefRange range);

// The staff a note at letter `step` is drawn on.
Staff StaffOf(ClefRange range, int step);
// Its place on that staff (PlaceOnStaff on the grand staff).
int PlaceOnStaff(ClefRange range, int step);

// The run of the spelled-note table asked: treble 35 to 69, bass 0 to 34, grand 0 to 69, or the
// C clef's own range.
struct SlotRun {
  theory::NoteSlot first;
  theory::NoteSlot last;
  bool Contains(theory::NoteSlot slot) const { return slot >= first && slot <= last; }
};
SlotRun SlotsOf(ClefRange range);

}  // namespace lintra::practice

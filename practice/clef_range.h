// Which notes the questions come from and on which staff they are shown: a part of the grand
// staff (the clef commands), or a staff with a C clef of its own.
#pragma once

#include <optional>
#include <vector>

#include "practice/staff_place.h"
#include "theory/clef.h"
#include "theory/keys.h"
#include "theory/note_table.h"

namespace lintra::practice {

// Stored by position; new ranges go at the end.
enum class ClefRange { Treble, Bass, Grand, Alto, Tenor };

// The C clef whose staff shows the questions; none for the ranges of the grand staff.
std::optional<theory::Clef> CClefOf(ClefRange range);

// What the student reads a range's notes on, which the model of their reading tells apart: the
// grand staff for the treble, bass and grand ranges, or a C clef's staff of its own (F#3 read in
// the alto clef is another skill than F#3 read in the bass clef).
enum class StaffKind { Grand, Alto, Tenor };
StaffKind StaffKindOf(ClefRange range);

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

// The notes of `key`'s pool in `range`, each once, low to high, as the window asks them in that key
// and clef range; for the chromatic scale every note of the range below slot 70.
std::vector<theory::NoteSlot> PoolIn(theory::KeyId key, ClefRange range);

}  // namespace lintra::practice

// A line of notes read in a row, spread evenly across the staff after the key signature.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "notation/canvas.h"
#include "notation/staff_layout.h"
#include "theory/note_table.h"

namespace lintra::notation {

enum class NoteState {
  Ahead,    // not reached yet: black
  Reading,  // the note being read: blue, an arrowhead beneath
  Right,    // read right: bluish green
  Wrong,    // answered wrong and waiting for the right key: vermillion, a cross beneath
};

struct LineNote {
  theory::NoteSlot slot = 0;
  std::string accidental;  // drawn before the note as the question cycle gives it: "", "#", "b", "n"
  NoteState state = NoteState::Ahead;
};

// Where the heads of a line of `count` notes stand: from just after the key signature to the
// right edge of the staff area, evenly spaced (to the nearest pixel), each note centred in an
// equal share of the room where the room allows.
std::vector<int> LineHeadXs(std::size_t count, std::string_view signatureKind, std::int8_t signatureCount);

// Draws the staff of `layout` with its clef and key signature, then the notes at LineHeadXs, each
// with its accidental and ledger lines. A ledger line is cut short at its note head where the
// next note's accidental or ledger line would come too close to it.
void DrawLine(Canvas& canvas, const StaffLayout& layout, std::string_view signatureKind, std::int8_t signatureCount,
              std::span<const LineNote> notes);

// One note standing apart, its head at `headX`, with its accidental and whole ledger lines, in the
// font of `style` and its ink (the note's state plays no part): the mastery map's notes on a
// C clef's staff.
void DrawNoteAt(Canvas& canvas, const StaffLayout& layout, int headX, const LineNote& note, TextStyle style);

}  // namespace lintra::notation

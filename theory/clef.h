// The four clefs a staff can carry, each with where its notes stand: the staff's bottom line, the
// clef's own line, the notes asked in it and the places of its key signatures.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "theory/note_table.h"

namespace lintra::theory {

// Stored by position (a question's staff); new clefs go at the end.
enum class Clef { Treble, Bass, Alto, Tenor };

inline constexpr std::size_t kClefCount = 4;
inline constexpr std::size_t kSignatureLength = 6;  // the keys have at most six sharps or flats

// Places count letter steps above the staff's bottom line: even places are lines (0 to 8 on the
// staff), odd ones spaces; below 0 and above 8 the notes need ledger lines.
struct ClefInfo {
  Clef clef;
  std::string_view name;  // "alto"
  int bottomLineStep;     // letter step of the bottom line, F1 = 0 (the table's order)
  int ownLinePlace;       // the line the clef marks: G 2, F 6, C 4 (alto) or 6 (tenor)
  // The notes asked while the clef is in force, as a run of the spelled-note table.
  NoteSlot lowest;
  NoteSlot highest;
  // Each accidental of a key signature, in the order they are written.
  std::array<int, kSignatureLength> sharpPlaces;  // F C G D A E
  std::array<int, kSignatureLength> flatPlaces;   // B E A D G C
};

const std::array<ClefInfo, kClefCount>& Clefs();
const ClefInfo& InfoOf(Clef clef);

// Letter steps of the table, F1 = 0 up to B4 = 24; a flat stands at its own letter's step.
inline int LetterStep(NoteSlot slot) { return (slot + 1) / 3; }

int PlaceOn(Clef clef, int step);
int StepAt(Clef clef, int place);

// How many ledger lines a note at `place` needs (above the staff or below it): the ones it sits
// on or hangs from, counted from the staff outwards.
int LedgerLinesAt(int place);

}  // namespace lintra::theory

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "theory/note_table.h"

namespace lintra::theory {

// The accidental text drawn before a presented note. The chromatic exercise marks every note,
// naturals with the natural sign; the play-keyboard exercise then drops the sign from naturals.
// With neither exercise active the note keeps what the question cycle gave it (`current`).
std::string AccidentalGlyph(NoteKind kind, bool chromaticChecked, bool playKeyboardChecked, std::string current);

// The name shown to the student: the letter name itself, or the syllable name of the row spelled
// that way. An unknown spelling (nothing presented yet) keeps the previous name.
std::string DisplayNameFor(std::string_view spelledName, bool letters, std::string previous);

// A note name as shown: with `middleCIsC4` the octave digit is that of scientific pitch
// notation, one above the table's (the table's C3 is middle C, shown as C4).
std::string ShownOctave(std::string_view name, bool middleCIsC4);

// Caption of a white key of the on-screen keyboard: "F" or "Fá", no octave and no accidental.
// Black keys never carry a caption: the empty text.
std::string WhiteKeyCaption(std::uint8_t midiNote, bool syllables);

}  // namespace lintra::theory

// Where a spelled note stands on the grand staff, and how a key alters the notes there:
// the geometry from which wrong answers are explained.
#pragma once

#include <string>
#include <string_view>

#include "theory/clef.h"
#include "theory/keys.h"
#include "theory/note_table.h"

namespace lintra::practice {

// A staff is named by its clef: the two of the grand staff, or a C-clef staff of its own.
using Staff = theory::Clef;

// Letter steps of the grand staff, counted from F1 (0) up to B4 (24); steps outside that range
// (a misreading may land there) follow the same letters and octaves.
using theory::LetterStep;

// Notes from D3 (step 12) up belong to the treble staff, middle C and below to the bass staff,
// as the clef ranges split the questions.
Staff StaffOf(int step);

// Steps above the bottom line of the note's own staff of the grand staff: even numbers are lines,
// odd ones spaces; the bottom line of the treble staff is E3, of the bass staff G1.
int PlaceOnStaff(int step);
using theory::StepAt;

// Middle C and the notes on or above the first ledger line over the treble staff.
bool OnLedgerLine(int step);

char LetterOf(int step);
int OctaveDigitOf(int step);  // C3 is middle C
int NaturalMidiOf(int step);

// "F#4", "Bb2", "E3": the letter at the step with a flat (-1), none (0) or a sharp (+1).
std::string NameAt(int step, int alteration);

// What the key signature of `key` does to the letter of `step`: -1, 0 or +1.
int SignatureAlteration(theory::KeyId key, int step);

// The sign drawn before the question note: "#", "b", "n" (natural sign) or "" (none), as the
// question cycle draws it (the leading tone of a minor key, every note of the chromatic scale).
std::string_view DrawnSign(theory::KeyId key, theory::NoteSlot slot);

}  // namespace lintra::practice

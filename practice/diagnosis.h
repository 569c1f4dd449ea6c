// Explains a wrong answer in terms of the staff: which misreading of the written note gives the
// key that was played.
//
// A misreading is "the note at another place, read with the key signature", or with the sign
// drawn before the question note carried over to it. The first kind that explains the answer wins:
//   1. AccidentalIgnored: the sign before the note ("#", "b", or a natural sign cancelling the
//      key signature) was left out: the answer is the same place read with the key signature.
//   2. KeySignatureIgnored: no sign before the note, the key signature alters its letter, and the
//      natural was played.
//   3. Octave: the same letter and accidental in another octave.
//   4. LedgerLines: a note on a ledger line (middle C, A4 and above) read one or two steps
//      towards a staff.
//   5. OneStep: the neighbouring line or space.
//   6. TwoSteps: a line read as the next line, a space as the next space.
//   7. OtherClef: the same place on the other staff (bass read as treble or the reverse); for a
//      note on a C-clef staff instead CClefReadAsTrebleOrBass: the same place read in the treble
//      or the bass clef, the clefs its reader met first.
//   8. Other.
// On a C-clef staff the ledger lines are those of that staff, above it or below it.
// The place read right but the sign wrong comes first because it is the narrower explanation;
// ledger lines come before the step mistakes they are a case of. Octave and the step and clef
// mistakes can never explain the same key (their intervals differ), so their order among
// themselves only matters for the two ledger cases.
#pragma once

#include <string>
#include <string_view>

#include "practice/clef_range.h"
#include "practice/mistake_kind.h"
#include "theory/keys.h"
#include "theory/note_table.h"

namespace lintra::practice {

struct Diagnosis {
  MistakeKind kind = MistakeKind::None;
  // The note the student played, at the place and with the alteration the misreading implies
  // (letter step as in LetterStep, alteration -1, 0 or +1).
  int readStep = 0;
  int readAlteration = 0;
};

// `key` is the key in force, or the chromatic scale; `range` tells on which staff the question was
// shown (the grand staff for treble, bass and grand).
Diagnosis Diagnose(theory::KeyId key, theory::NoteSlot question, int answerMidi, ClefRange range = ClefRange::Grand);

// How the trainer names notes: letters or syllables ("Lá2"), and with `middleCIsC4` octaves
// numbered so that middle C is C4 (every digit one higher than the table's).
struct NoteNaming {
  bool syllables = false;
  bool middleCIsC4 = false;
};

// A name as the table spells it ("Bb1"), as the student sees it: "Sib1", or "Bb2" with middle C as C4.
std::string NoteNameAsShown(std::string_view letterName, NoteNaming naming);

// The note the student answered, spelled as they most likely read it (a right answer as the
// question, "F4" for F#4 with the key signature ignored) and named as `naming` says.
std::string AnsweredNoteName(theory::KeyId key, theory::NoteSlot question, int answerMidi, ClefRange range,
                             NoteNaming naming);

// Looks a text marked for translation up in the student's language (ui::TrMarked).
using TranslateText = std::string (*)(std::string_view context, std::string_view text);

// One sentence for the student, e.g. "Read A2 in the bass clef as F4: the same place on the
// treble staff", every note named as `naming` says. Empty for a right answer. In English without
// `translate`.
std::string DescribeMistake(theory::KeyId key, theory::NoteSlot question, const Diagnosis& diagnosis,
                            NoteNaming naming = {}, ClefRange range = ClefRange::Grand,
                            TranslateText translate = nullptr);

}  // namespace lintra::practice

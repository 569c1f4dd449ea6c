#include "practice/diagnosis.h"

#include <gtest/gtest.h>

#include "practice/answer_record.h"
#include "practice/staff_place.h"
#include "tests/practice/practice_testing.h"
#include "theory/note_table.h"

namespace lintra::practice {
namespace {

using fixtures::Input;
using fixtures::Slot;

struct Example {
  theory::KeyId key;
  const char* question;
  int answerMidi;
  MistakeKind expected;
  const char* sentence;  // "" where the wording is not the point
};

// Both clefs; each kind where it stands alone and where a wider kind would also explain it.
const Example kExamples[] = {
    {theory::KeyId::CMajor, "A2", 77, MistakeKind::OtherClef,
     "Read A2 in the bass clef as F4: the same place on the treble staff"},
    {theory::KeyId::CMajor, "F4", 57, MistakeKind::OtherClef,
     "Read F4 in the treble clef as A2: the same place on the bass staff"},
    {theory::KeyId::GMajor, "F#2", 74, MistakeKind::OtherClef, ""},
    {theory::KeyId::CMajor, "E3", 65, MistakeKind::OneStep,
     "Read E3 in the treble clef as F3: one step too high, the neighbouring space"},
    {theory::KeyId::CMajor, "D2", 48, MistakeKind::OneStep,
     "Read D2 in the bass clef as C2: one step too low, the neighbouring space"},
    {theory::KeyId::Chromatic, "F#3", 68, MistakeKind::OneStep, ""},  // the sharp carried to the neighbour
    {theory::KeyId::CMajor, "E3", 67, MistakeKind::TwoSteps,
     "Read E3 in the treble clef as G3: a line read as the next line up"},
    {theory::KeyId::CMajor, "A1", 48, MistakeKind::TwoSteps,
     "Read A1 in the bass clef as C2: a space read as the next space up"},
    {theory::KeyId::CMajor, "E3", 52, MistakeKind::Octave,
     "Read E3 in the treble clef as E2: the right note, an octave too low"},
    {theory::KeyId::DMajor, "C#2", 73, MistakeKind::Octave,
     "Read C#2 in the bass clef as C#4: the right note, 2 octaves too high"},
    {theory::KeyId::GMajor, "F#3", 65, MistakeKind::KeySignatureIgnored,
     "Read F#3 in the treble clef as F3: the key signature makes every F sharp"},
    {theory::KeyId::FMajor, "Bb1", 47, MistakeKind::KeySignatureIgnored,
     "Read Bb1 in the bass clef as B1: the key signature makes every B flat"},
    {theory::KeyId::AMinor, "G#2", 55, MistakeKind::AccidentalIgnored,
     "Read G#2 in the bass clef as G2: the sharp before the note was missed"},
    {theory::KeyId::Chromatic, "Eb3", 64, MistakeKind::AccidentalIgnored, ""},
    // The natural sign was passed over and the key signature applied instead.
    {theory::KeyId::CMinor, "B2", 58, MistakeKind::AccidentalIgnored,
     "Read B2 in the bass clef as Bb2: the natural sign before the note cancels the key signature"},
    {theory::KeyId::CMajor, "A4", 79, MistakeKind::LedgerLines,
     "Read A4 in the treble clef as G4: the ledger lines miscounted, one step towards the staff"},
    {theory::KeyId::CMajor, "A4", 77, MistakeKind::LedgerLines, ""},  // also a line read as the next line
    {theory::KeyId::Chromatic, "B4", 79, MistakeKind::LedgerLines, ""},
    {theory::KeyId::CMajor, "C3", 59, MistakeKind::LedgerLines, ""},  // middle C counts towards either staff
    {theory::KeyId::CMajor, "C3", 64, MistakeKind::LedgerLines, ""},
    {theory::KeyId::CMajor, "E3", 73, MistakeKind::Other, "Read E3 in the treble clef as C#4"},
    {theory::KeyId::FMajor, "G1", 51, MistakeKind::Other, "Read G1 in the bass clef as Eb2"},
    {theory::KeyId::CMajor, "F4", 48, MistakeKind::Other, "Read F4 in the treble clef as C2"},  // far away
    {theory::KeyId::CMajor, "F1", 127, MistakeKind::Other, "Read F1 in the bass clef as G8"},
    {theory::KeyId::GMajor, "F#3", 66, MistakeKind::None, ""},
    {theory::KeyId::Chromatic, "Cb2", 47, MistakeKind::None, ""},  // spelling plays no part
};

TEST(Diagnosis, ExplainsEachWrongAnswerByTheFirstMisreadingThatGivesIt) {
  for (const Example& example : kExamples) {
    SCOPED_TRACE(std::string(theory::Code(example.key)) + " " + example.question + " answered " +
                 std::to_string(example.answerMidi));
    const Diagnosis diagnosis = Diagnose(example.key, Slot(example.question), example.answerMidi);
    EXPECT_EQ(Code(diagnosis.kind), Code(example.expected));
    if (*example.sentence != '\0') {
      EXPECT_EQ(DescribeMistake(example.key, Slot(example.question), diagnosis), example.sentence);
    }
  }
  // Named as the trainer names notes: middle C as C4, or syllables, the letters of the key included.
  const Diagnosis octave = Diagnose(theory::KeyId::CMajor, Slot("C3"), 48);
  EXPECT_EQ(DescribeMistake(theory::KeyId::CMajor, Slot("C3"), octave, {.middleCIsC4 = true}),
            "Read C4 in the bass clef as C3: the right note, an octave too low");
  const Diagnosis signature = Diagnose(theory::KeyId::FMajor, Slot("Bb1"), 47);
  EXPECT_EQ(DescribeMistake(theory::KeyId::FMajor, Slot("Bb1"), signature, {.syllables = true}),
            "Read Si(b)1 in the bass clef as Si1: the key signature makes every Si flat");
}

// On a C-clef staff: its own ledger lines, and the treble or bass clef read in its place.
TEST(Diagnosis, ReadsACClefNoteOnItsOwnStaff) {
  struct CClefExample {
    ClefRange range;
    const char* question;
    int answerMidi;
    MistakeKind expected;
    const char* sentence;
  };
  const CClefExample examples[] = {
      {ClefRange::Alto, "C3", 71, MistakeKind::CClefReadAsTrebleOrBass,
       "Read C3 in the alto clef as B3: the same place read in the treble clef"},
      {ClefRange::Alto, "C3", 50, MistakeKind::CClefReadAsTrebleOrBass,
       "Read C3 in the alto clef as D2: the same place read in the bass clef"},
      {ClefRange::Tenor, "C3", 74, MistakeKind::CClefReadAsTrebleOrBass, ""},
      {ClefRange::Tenor, "C3", 53, MistakeKind::CClefReadAsTrebleOrBass, ""},
      // E4 sits above the alto's second ledger line (on the grand staff it is on the staff).
      {ClefRange::Alto, "E4", 74, MistakeKind::LedgerLines,
       "Read E4 in the alto clef as D4: the ledger lines miscounted, one step towards the staff"},
      {ClefRange::Alto, "C2", 50, MistakeKind::LedgerLines, ""},  // below: towards the staff is up
      {ClefRange::Alto, "C2", 47, MistakeKind::OneStep, ""},
      {ClefRange::Tenor, "A2", 77, MistakeKind::Other, ""},  // the grand staff's other clef is no C-clef mistake
      {ClefRange::Alto, "F2", 57, MistakeKind::TwoSteps,
       "Read F2 in the alto clef as A2: a line read as the next line up"},
  };
  for (const CClefExample& example : examples) {
    SCOPED_TRACE(std::string(Code(example.range)) + " " + example.question + " answered " +
                 std::to_string(example.answerMidi));
    const Diagnosis diagnosis =
        Diagnose(theory::KeyId::CMajor, Slot(example.question), example.answerMidi, example.range);
    EXPECT_EQ(Code(diagnosis.kind), Code(example.expected));
    if (*example.sentence != '\0') {
      EXPECT_EQ(DescribeMistake(theory::KeyId::CMajor, Slot(example.question), diagnosis, {}, example.range),
                example.sentence);
    }
  }
  EXPECT_EQ(Diagnose(theory::KeyId::CMajor, Slot("E4"), 74).kind, MistakeKind::OneStep);
  EXPECT_EQ(Diagnose(theory::KeyId::CMajor, Slot("A2"), 77, ClefRange::Bass).kind, MistakeKind::OtherClef);
}

TEST(AnswerRecord, DerivesTheQuestionAndTheVerdictAndKeepsItsCodesReadable) {
  JudgedAnswer input;
  input.key = theory::KeyId::GMajor;
  input.clefRange = ClefRange::Bass;
  input.questionSlot = Slot("F#2");
  input.answerKey = "f2";
  input.answerMidi = 53;
  const AnswerRecord record = MakeAnswerRecord(input, 7);
  EXPECT_EQ(record.sessionId, 7);
  EXPECT_EQ(record.questionName, "F#2");
  EXPECT_EQ(record.questionMidi, 54);
  EXPECT_EQ(record.questionStaff, Staff::Bass);
  EXPECT_EQ(record.questionPlace, 6);  // the fourth line, the bass clef's F line
  EXPECT_EQ(record.scaleKind, ScaleKind::Major);
  EXPECT_FALSE(record.correct);
  EXPECT_EQ(record.mistake, MistakeKind::KeySignatureIgnored);
  EXPECT_EQ(MakeAnswerRecord(Input(theory::KeyId::Chromatic, 0, 41), 1).scaleKind, ScaleKind::Chromatic);

  // On the alto staff middle C is the middle line, and a treble reading is its own mistake.
  input.clefRange = ClefRange::Alto;
  input.questionSlot = Slot("C3");
  input.answerMidi = 71;
  const AnswerRecord alto = MakeAnswerRecord(input, 7);
  EXPECT_EQ(alto.questionStaff, Staff::Alto);
  EXPECT_EQ(alto.questionPlace, 4);
  EXPECT_EQ(alto.mistake, MistakeKind::CClefReadAsTrebleOrBass);

  for (const auto kind : {MistakeKind::None, MistakeKind::AccidentalIgnored, MistakeKind::KeySignatureIgnored,
                          MistakeKind::Octave, MistakeKind::LedgerLines, MistakeKind::OneStep, MistakeKind::TwoSteps,
                          MistakeKind::OtherClef, MistakeKind::Other, MistakeKind::CClefReadAsTrebleOrBass}) {
    EXPECT_EQ(ParseMistakeKind(Code(kind)), kind);
  }
  for (const auto range : {ClefRange::Treble, ClefRange::Bass, ClefRange::Grand, ClefRange::Alto, ClefRange::Tenor}) {
    EXPECT_EQ(ParseClefRange(Code(range)), range);
  }
  EXPECT_EQ(ParseStaff(Code(Staff::Tenor)), Staff::Tenor);
  EXPECT_EQ(ParseMistakeKind("octaves"), std::nullopt);
}

}  // namespace
}  // namespace lintra::practice

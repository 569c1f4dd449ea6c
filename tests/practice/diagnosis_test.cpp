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
  const char* key;
  const char* question;
  int answerMidi;
  MistakeKind expected;
  const char* sentence;  // "" where the wording is not the point
};

// Both clefs; each kind where it stands alone and where a wider kind would also explain it.
const Example kExamples[] = {
    {"CMajor1", "A2", 77, MistakeKind::OtherClef, "Read A2 in the bass clef as F4: the same place on the treble staff"},
    {"CMajor1", "F4", 57, MistakeKind::OtherClef, "Read F4 in the treble clef as A2: the same place on the bass staff"},
    {"GMajor1", "F#2", 74, MistakeKind::OtherClef, ""},
    {"CMajor1", "E3", 65, MistakeKind::OneStep,
     "Read E3 in the treble clef as F3: one step too high, the neighbouring space"},
    {"CMajor1", "D2", 48, MistakeKind::OneStep,
     "Read D2 in the bass clef as C2: one step too low, the neighbouring space"},
    {"ChromaticScale", "F#3", 68, MistakeKind::OneStep, ""},  // the sharp carried to the neighbour
    {"CMajor1", "E3", 67, MistakeKind::TwoSteps, "Read E3 in the treble clef as G3: a line read as the next line up"},
    {"CMajor1", "A1", 48, MistakeKind::TwoSteps, "Read A1 in the bass clef as C2: a space read as the next space up"},
    {"CMajor1", "E3", 52, MistakeKind::Octave, "Read E3 in the treble clef as E2: the right note, an octave too low"},
    {"DMajor1", "C#2", 73, MistakeKind::Octave, "Read C#2 in the bass clef as C#4: the right note, 2 octaves too high"},
    {"GMajor1", "F#3", 65, MistakeKind::KeySignatureIgnored,
     "Read F#3 in the treble clef as F3: the key signature makes every F sharp"},
    {"FMajor1", "Bb1", 47, MistakeKind::KeySignatureIgnored,
     "Read Bb1 in the bass clef as B1: the key signature makes every B flat"},
    {"AMinor1", "G#2", 55, MistakeKind::AccidentalIgnored,
     "Read G#2 in the bass clef as G2: the sharp before the note was missed"},
    {"ChromaticScale", "Eb3", 64, MistakeKind::AccidentalIgnored, ""},
    // The natural sign was passed over and the key signature applied instead.
    {"CMinor1", "B2", 58, MistakeKind::AccidentalIgnored,
     "Read B2 in the bass clef as Bb2: the natural sign before the note cancels the key signature"},
    {"CMajor1", "A4", 79, MistakeKind::LedgerLines,
     "Read A4 in the treble clef as G4: the ledger lines miscounted, one step towards the staff"},
    {"CMajor1", "A4", 77, MistakeKind::LedgerLines, ""},  // also a line read as the next line
    {"ChromaticScale", "B4", 79, MistakeKind::LedgerLines, ""},
    {"CMajor1", "C3", 59, MistakeKind::LedgerLines, ""},  // middle C counts towards either staff
    {"CMajor1", "C3", 64, MistakeKind::LedgerLines, ""},
    {"CMajor1", "E3", 73, MistakeKind::Other, "Read E3 in the treble clef as C#4"},
    {"FMajor1", "G1", 51, MistakeKind::Other, "Read G1 in the bass clef as Eb2"},
    {"GMajor1", "F#3", 66, MistakeKind::None, ""},
    {"ChromaticScale", "Cb2", 47, MistakeKind::None, ""},  // spelling plays no part
};

TEST(Diagnosis, ExplainsEachWrongAnswerByTheFirstMisreadingThatGivesIt) {
  for (const Example& example : kExamples) {
    SCOPED_TRACE(std::string(example.key) + " " + example.question + " answered " + std::to_string(example.answerMidi));
    const Diagnosis diagnosis = Diagnose(example.key, Slot(example.question), example.answerMidi);
    EXPECT_EQ(Code(diagnosis.kind), Code(example.expected));
    if (*example.sentence != '\0') {
      EXPECT_EQ(DescribeMistake(example.key, Slot(example.question), diagnosis), example.sentence);
    }
  }
  // Named as the trainer names notes: middle C as C4, or syllables, the letters of the key included.
  const Diagnosis octave = Diagnose("CMajor1", Slot("C3"), 48);
  EXPECT_EQ(DescribeMistake("CMajor1", Slot("C3"), octave, {.middleCIsC4 = true}),
            "Read C4 in the bass clef as C3: the right note, an octave too low");
  const Diagnosis signature = Diagnose("FMajor1", Slot("Bb1"), 47);
  EXPECT_EQ(DescribeMistake("FMajor1", Slot("Bb1"), signature, {.syllables = true}),
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
    const Diagnosis diagnosis = Diagnose("CMajor1", Slot(example.question), example.answerMidi, example.range);
    EXPECT_EQ(Code(diagnosis.kind), Code(example.expected));
    if (*example.sentence != '\0') {
      EXPECT_EQ(DescribeMistake("CMajor1", Slot(example.question), diagnosis, {}, example.range), example.sentence);
    }
  }
  EXPECT_EQ(Diagnose("CMajor1", Slot("E4"), 74).kind, MistakeKind::OneStep);
  EXPECT_EQ(Diagnose("CMajor1", Slot("A2"), 77, ClefRange::Bass).kind, MistakeKind::OtherClef);
}

TEST(AnswerRecord, DerivesTheQuestionAndTheVerdictAndKeepsItsCodesReadable) {
  AnswerInput input;
  input.keyItem = "GMajor1";
  input.clefRange = ClefRange::Bass;
  input.questionSlot = Slot("F#2");
  input.answerKey = "f2";
  input.answerMidi = 53;
  const AnswerRecord record = MakeAnswerRecord(input);
  EXPECT_EQ(record.questionName, "F#2");
  EXPECT_EQ(record.questionMidi, 54);
  EXPECT_EQ(record.questionStaff, Staff::Bass);
  EXPECT_EQ(record.questionPlace, 6);  // the fourth line, the bass clef's F line
  EXPECT_EQ(record.scaleKind, ScaleKind::Major);
  EXPECT_FALSE(record.correct);
  EXPECT_EQ(record.mistake, MistakeKind::KeySignatureIgnored);
  EXPECT_EQ(MakeAnswerRecord(Input(kChromaticItem, 0, 41)).scaleKind, ScaleKind::Chromatic);

  // On the alto staff middle C is the middle line, and a treble reading is its own mistake.
  input.clefRange = ClefRange::Alto;
  input.questionSlot = Slot("C3");
  input.answerMidi = 71;
  const AnswerRecord alto = MakeAnswerRecord(input);
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

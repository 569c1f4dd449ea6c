// The answer record as the journal stores it. Its fields mirror the practice library's record one
// for one, so that the journal can take that type in its place; only answer_columns.cpp knows how
// the fields become columns.
#pragma once

#include <cstdint>
#include <string>

#include "theory/note_table.h"

namespace lintra::journal {

enum class Exercise { NoteReading, PlayKeyboard };
enum class ScaleKind { Major, Minor, Chromatic };
enum class ClefRange { Treble, Bass, Grand };
enum class AnswerSource { OnScreen, MidiKeyboard };
enum class Staff { Treble, Bass };
enum class MistakeKind { None, AccidentalIgnored, KeySignatureIgnored, Octave, LedgerLines, OneStep, TwoSteps, OtherClef, Other };

struct AnswerRecord {
  std::int64_t wallTimeUtcMs = 0;  // milliseconds since 1970-01-01 UTC
  std::int64_t sessionId = 0;      // one run of the program
  Exercise exercise = Exercise::NoteReading;
  ScaleKind scaleKind = ScaleKind::Major;
  std::string keyItem;             // "GMajor1"
  ClefRange clefRange = ClefRange::Treble;
  theory::NoteSlot questionSlot = 0;
  std::string questionName;        // "F#3"; the journal gives it back from the slot
  int questionMidi = 0;
  Staff questionStaff = Staff::Treble;
  int questionPlace = 0;           // steps above the bottom line of its staff
  std::string answerKey;           // the on-screen key's name, "F1sharp"
  int answerMidi = 0;
  AnswerSource source = AnswerSource::OnScreen;
  bool correct = false;
  int attempt = 1;                 // 1 = first try at this question
  std::int64_t responseMs = 0;
  MistakeKind mistake = MistakeKind::None;
};

// Stored codes of the mistake kinds, for the CSV export; they never change once written.
const char* MistakeCode(MistakeKind kind);

}  // namespace lintra::journal

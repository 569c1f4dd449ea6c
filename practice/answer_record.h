// One answer as the journal keeps it: one record, one row.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "practice/clef_range.h"
#include "practice/mistake_kind.h"
#include "practice/staff_place.h"
#include "theory/keys.h"
#include "theory/note_table.h"

namespace lintra::practice {

enum class Exercise { NoteReading, PlayKeyboard };
enum class ScaleKind { Major, Minor, Chromatic };
enum class AnswerSource { OnScreen, MidiKeyboard, Microphone };

// An answer as the main window judged it: what it publishes for every answer to a question, for
// whatever keeps or weighs answers. The window's verdict is the verdict.
struct JudgedAnswer {
  std::int64_t wallTimeUtcMs = 0;  // milliseconds since 1970-01-01 UTC
  Exercise exercise = Exercise::NoteReading;
  theory::KeyId key = theory::KeyId::CMajor;
  ClefRange clefRange = ClefRange::Treble;
  theory::NoteSlot questionSlot = 0;
  std::string answerKey;  // the on-screen key's name, "F1sharp"
  int answerMidi = 0;
  AnswerSource source = AnswerSource::OnScreen;
  bool correct = false;
  int attempt = 1;              // 1 = first try at this question
  std::int64_t responseMs = 0;  // from the question's presentation to the answer
  int lineNote = 0;             // the note's place in a line read in a row, from 1; 0 for a single question
};

struct AnswerRecord {
  std::int64_t wallTimeUtcMs = 0;
  std::int64_t sessionId = 0;
  Exercise exercise = Exercise::NoteReading;
  ScaleKind scaleKind = ScaleKind::Major;
  theory::KeyId key = theory::KeyId::CMajor;
  ClefRange clefRange = ClefRange::Treble;
  // The question.
  theory::NoteSlot questionSlot = 0;
  std::string questionName;  // "F#3"
  int questionMidi = 0;
  Staff questionStaff = Staff::Treble;
  int questionPlace = 0;  // steps above the bottom line of its staff (PlaceOnStaff of the clef range)
  // The answer.
  std::string answerKey;
  int answerMidi = 0;
  AnswerSource source = AnswerSource::OnScreen;
  bool correct = false;
  int attempt = 1;
  std::int64_t responseMs = 0;
  MistakeKind mistake = MistakeKind::None;
  // What the session learns from its answers: the student's local time when it began (minutes
  // ahead of UTC), and that it practised weak notes (an answer asked while "Practise Weak Notes"
  // was on).
  int utcOffsetMinutes = 0;
  bool weakNotes = false;
  int lineNote = 0;  // as JudgedAnswer's
};

// The record of `answer` in practice session `sessionId` (one run of the program), with what follows
// from the question and the answer: the question's name, sound and place, the scale kind and, for
// a wrong answer, the diagnosis.
AnswerRecord MakeAnswerRecord(const JudgedAnswer& answer, std::int64_t sessionId);

// Text codes for storage; they never change once written.
std::string_view Code(Exercise value);      // "note_reading", "play_keyboard"
std::string_view Code(ScaleKind value);     // "major", "minor", "chromatic"
std::string_view Code(ClefRange value);     // "treble", "bass", "grand", "alto", "tenor"
std::string_view Code(AnswerSource value);  // "screen", "midi", "microphone"
std::string_view Code(Staff value);         // "treble", "bass", "alto", "tenor"
std::optional<Exercise> ParseExercise(std::string_view code);
std::optional<ScaleKind> ParseScaleKind(std::string_view code);
std::optional<ClefRange> ParseClefRange(std::string_view code);
std::optional<AnswerSource> ParseAnswerSource(std::string_view code);
std::optional<Staff> ParseStaff(std::string_view code);

}  // namespace lintra::practice

// What the Progress window reads from the journal.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string_view>
#include <vector>

#include "journal/answer.h"

struct sqlite3;

namespace lintra::journal {

struct Attempt {
  bool correct = false;
  std::int64_t responseMs = 0;
};

// A note's last first tries at reading it in one key, newest first: what mastery is judged from.
struct NoteHistory {
  theory::NoteSlot slot = 0;
  Staff staff = Staff::Treble;
  std::vector<Attempt> lastFirstTries;
};
std::vector<NoteHistory> MasteryInputs(sqlite3* db, theory::KeyId key, int attempts = 10);

struct TrendPoint {
  std::int64_t period = 0;   // a day (days since 1970-01-01 in local time) or the caller's session id
  std::int64_t startMs = 0;  // the period's first answer
  int firstTries = 0;
  int firstTriesRight = 0;
  std::int64_t medianResponseMs = 0;  // over the first tries
};
// The last `days` days up to `nowUtcMs`, oldest first; local days are `utcOffsetMinutes` from UTC.
std::vector<TrendPoint> DailyTrend(sqlite3* db, std::int64_t nowUtcMs, int days, int utcOffsetMinutes);
// The last `sessions` sessions, oldest first.
std::vector<TrendPoint> SessionTrend(sqlite3* db, int sessions = 20);

struct MistakeSummary {
  MistakeKind kind = MistakeKind::Other;
  int count = 0;
  AnswerRecord example;  // the latest of its kind
};
// Wrong answers of the last `days` days by kind, most frequent first.
std::vector<MistakeSummary> RecentMistakes(sqlite3* db, std::int64_t nowUtcMs, int days = 7);

// Every answer, oldest first, one line each under a header line:
//   time_utc        ISO 8601 with milliseconds, "2026-12-08T02:45:39.123Z"
//   session         the practice session (one run of the program)
//   exercise        note_reading | play_keyboard
//   scale_kind      major | minor | chromatic
//   key             the key as `keyText` names it
//   clef_range      treble | bass | grand
//   question        the note asked, spelled ("F#3"; octave digits as the trainer names them)
//   question_midi   its MIDI number
//   question_staff  treble | bass
//   question_place  steps above the bottom line of its staff (even: lines, odd: spaces)
//   answer_key      the key pressed, "F1sharp"
//   answer_midi     its MIDI number
//   answer_source   screen | midi
//   correct         1 or 0
//   attempt         1 for the first try at the question
//   response_ms     from the question shown and sounded to the answer
//   mistake         none | accidental | key_signature | octave | ledger_lines | one_step | two_steps |
//                   other_clef | other
// False if the journal could not be read to the end.
// How the export names a key; the journal knows keys by identity alone.
using KeyText = std::function<std::string(theory::KeyId)>;
bool ExportCsv(sqlite3* db, std::ostream& out, const KeyText& keyText);

}  // namespace lintra::journal

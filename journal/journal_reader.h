// Everything that reads the journal reads it here: the Progress window, the student model, the
// weak-note pick and the export. A reader reads one connection: its own, opened read-only on a
// file (a window reading while the trainer writes), or the writing journal's, between two writes.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "journal/answer.h"
#include "practice/diagnosis.h"
#include "practice/first_try.h"
#include "theory/keys.h"

struct sqlite3;

namespace lintra::journal {

struct Attempt {
  bool correct = false;
  std::int64_t responseMs = 0;
  std::int64_t utcMs = 0;  // when it was answered
  std::int64_t row = 0;    // the order it was written in
};

// A note's last first tries at reading it in one key, newest first.
struct NoteHistory {
  theory::NoteSlot slot = 0;
  Staff staff = Staff::Treble;
  std::vector<Attempt> lastFirstTries;
};

struct TrendPoint {
  std::int64_t period = 0;   // a day (days since 1970-01-01 in local time) or the caller's session id
  std::int64_t startMs = 0;  // the period's first answer
  int firstTries = 0;
  int firstTriesRight = 0;
  std::int64_t medianResponseMs = 0;  // over the first tries
  bool weakNotes = false;             // a session that practised weak notes
};

struct SessionFirstTries {
  std::int64_t external = 0;  // the caller's id
  std::int64_t startedMs = 0;
  std::optional<int> utcOffsetMinutes;  // sessions written before the journal kept it have none
  int firstTries = 0;
};

struct MistakeSummary {
  MistakeKind kind = MistakeKind::Other;
  int count = 0;
  AnswerRecord example;  // the latest of its kind
};

// How the export names what the journal knows by identity: a key as the window names it, and notes
// as the student chose to read them.
using KeyText = std::function<std::string(theory::KeyId)>;
struct CsvNaming {
  KeyText keyText;
  practice::NoteNaming notes;
};

class JournalReader {
 public:
  enum class State {
    Empty,       // no file, or no answer in it yet
    Ready,       // answers to read
    Unreadable,  // damaged, or written by a later version
  };

  // Opens `path` read-only on a connection of its own. A missing file stays missing: it is not
  // made, and the reader is Empty.
  explicit JournalReader(const std::string& path);
  ~JournalReader();
  JournalReader(JournalReader&& other) noexcept;
  JournalReader& operator=(JournalReader&&) = delete;
  JournalReader(const JournalReader&) = delete;
  JournalReader& operator=(const JournalReader&) = delete;

  // The queries read nothing from a file they cannot read: this tells the two apart.
  State Probe() const;
  // Runs `read` in one read transaction, so that its figures agree while another trainer writes.
  template <typename F>
  auto Snapshot(F&& read) const {
    struct Transaction {
      const JournalReader& reader;
      explicit Transaction(const JournalReader& r) : reader(r) { reader.Begin(); }
      ~Transaction() { reader.End(); }
    } transaction(*this);
    return read();
  }

  // Each note's last `perNote` first tries at reading it in `key` on `staff`, newest first, notes in
  // slot order.
  std::vector<NoteHistory> LastFirstTries(theory::KeyId key, practice::StaffKind staff = practice::StaffKind::Grand,
                                          int perNote = 10) const;
  // Every first try at reading a note in `key` on `staff`, in the order they were answered (by time,
  // then as written). Rows whose note lies outside the table (a file another program damaged) are
  // left out.
  std::vector<practice::FirstTry> FirstTries(theory::KeyId key,
                                             practice::StaffKind staff = practice::StaffKind::Grand) const;

  // First tries per local day, the last `days` days up to `nowUtcMs`, oldest first; local days are
  // `utcOffsetMinutes` from UTC. In every key, or in `key` alone.
  std::vector<TrendPoint> DailyTrend(std::int64_t nowUtcMs, int days, int utcOffsetMinutes,
                                     std::optional<theory::KeyId> key = std::nullopt) const;
  // First tries per session, the last `sessions` sessions, oldest first. In every key, or the last
  // sessions that practised `key` and their first tries in it.
  std::vector<TrendPoint> SessionTrend(int sessions = 20, std::optional<theory::KeyId> key = std::nullopt) const;
  // Every session with its first tries, in the order they began (the daily goal counts them by the
  // local day each began).
  std::vector<SessionFirstTries> FirstTriesPerSession() const;
  // Wrong answers of the last `days` days by kind, most frequent first.
  std::vector<MistakeSummary> RecentMistakes(std::int64_t nowUtcMs, int days = 7) const;

  std::int64_t AnswerCount() const;
  // The time of the answer written last; nothing without answers.
  std::optional<std::int64_t> LastAnswerUtcMs() const;

  // Every answer, oldest first, one line each under a header line:
  //   time_utc        ISO 8601 with milliseconds, "2026-12-08T02:45:39.123Z"
  //   session         the practice session (one run of the program) by its number in this journal:
  //                   1 for the first, then up by one for each
  //   exercise        note_reading (the reverse exercise asks nothing, so records nothing)
  //   scale_kind      major | minor | chromatic
  //   key             the key as `keyText` names it (a key this program does not know: as the file does)
  //   clef_range      treble | bass | grand | alto | tenor
  //   question        the note asked, spelled and named as the student chose ("F#3", "Fá#4")
  //   question_midi   its MIDI number
  //   question_staff  treble | bass | alto | tenor
  //   question_place  steps above the bottom line of its staff (even: lines, odd: spaces)
  //   answer_key      the key pressed, as the note the student most likely read, named so too
  //   answer_midi     its MIDI number
  //   answer_source   screen | midi | microphone
  //   correct         1 or 0
  //   attempt         1 for the first try at the question
  //   response_ms     from the question shown and sounded to the answer (for a note heard, to its onset)
  //   mistake         none | accidental | key_signature | octave | ledger_lines | one_step | two_steps |
  //                   other_clef | c_clef_as_treble_or_bass | other
  // False if the journal could not be read to the end.
  bool ExportCsv(std::ostream& out, const CsvNaming& naming) const;

 private:
  friend class Journal;
  // Reads the connection of a journal that writes, which it does not own.
  explicit JournalReader(sqlite3* borrowed) : db_(borrowed) {}
  void Begin() const;
  void End() const;
  // The row of `key` in `names`, or nothing when no answer was ever given in it.
  std::optional<std::int64_t> KeyRow(theory::KeyId key) const;

  sqlite3* db_ = nullptr;
  bool owned_ = false;
};

}  // namespace lintra::journal

// What the Progress window shows, read from the journal in one go: the mastery of every pool note,
// the trends and the recent mistakes in words. No widgets here, so that it can be checked and
// timed alone.
#pragma once

#include <string>
#include <vector>

#include "coach/practice_days.h"
#include "coach/progress_view.h"
#include "journal/journal_reader.h"
#include "practice/mastery.h"

namespace lintra::coach {

inline constexpr int kTrendDays = 30;
inline constexpr int kTrendSessions = 20;
inline constexpr int kMistakeDays = 7;
inline constexpr int kPaceDays = 28;
inline constexpr int kCalendarWeeks =
    17;  // about four months, a column a week  // the student's pace: questions per day practised in these

struct NoteMastery {
  theory::NoteSlot slot = 0;
  std::string name;           // in the naming chosen
  practice::Mastery mastery;  // no first tries: never asked in this key
};

struct MistakeLine {
  practice::MistakeKind kind = practice::MistakeKind::Other;
  std::string caption;  // "One step off"
  int count = 0;
  std::string example;  // "Read A2 in the bass clef as F4: the same place on the treble staff"
};

struct ProgressReport {
  enum class Status { Ready, NoAnswers, Unreadable };
  Status status = Status::NoAnswers;
  std::string message;                        // why there is nothing to show, or that answers wait to be saved
  std::vector<NoteMastery> notes;             // the pool, each note once, in pool order
  std::vector<journal::TrendPoint> days;      // in the key
  std::vector<journal::TrendPoint> sessions;  // in the key
  std::vector<MistakeLine> mistakes;
  // Every key's first tries per local day with practice, the last kCalendarWeeks weeks up to today.
  std::vector<journal::TrendPoint> calendar;
  std::int64_t today = 0;  // local day, days since 1970-01-01
  Streaks streaks;         // days with practice in a row, ending today or yesterday, and the longest run
  // Each picture in one line of words, for those who do not see it.
  std::string mapSummary;
  std::string forecast;  // when the pool may all be fluent, shown under the map's summary
  std::string daySummary;
  std::string sessionSummary;
  std::string calendarSummary;
};

// Reads the journal as the request says, or else opens it read-only on a connection of its own; a
// missing, empty or damaged file gives a report with a message instead of figures.
ProgressReport ReadProgress(const ProgressRequest& request);

std::string_view MistakeCaption(practice::MistakeKind kind);

}  // namespace lintra::coach

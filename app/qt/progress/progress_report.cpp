#include "app/qt/progress/progress_report.h"

#include <sqlite3.h>

#include <algorithm>

#include "journal/journal.h"
#include "journal/schema.h"
#include "journal/statement.h"
#include "practice/diagnosis.h"
#include "theory/note_names.h"

namespace lintra::progress {
namespace {

using Status = ProgressReport::Status;

constexpr const char* kNoAnswers = "No answers yet: the map and the trends fill in as you practise.";
constexpr const char* kUnreadable = "The practice journal could not be read.";

class ReadOnlyJournal {
 public:
  explicit ReadOnlyJournal(const std::string& path) {
    // Without SQLITE_OPEN_CREATE a missing file stays missing instead of becoming an empty journal.
    // NOMUTEX: the connection is the window's alone, used on one thread.
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
      sqlite3_close(db_);
      db_ = nullptr;
    } else {
      sqlite3_busy_timeout(db_, journal::Journal::kBusyTimeoutMs);
      // The trends read weeks of rows once: mapped, they are not copied page by page.
      journal::Execute(db_, "PRAGMA mmap_size = 268435456");
    }
  }
  ~ReadOnlyJournal() { sqlite3_close(db_); }
  ReadOnlyJournal(const ReadOnlyJournal&) = delete;
  ReadOnlyJournal& operator=(const ReadOnlyJournal&) = delete;
  sqlite3* db() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
};

// The queries read an empty result from a file they cannot read; tell the two apart first.
Status Probe(sqlite3* db) {
  int version = 0;
  if (journal::ReadSchemaVersion(db, &version) != SQLITE_OK) return Status::Unreadable;
  if (version == 0) return Status::NoAnswers;  // created, never written
  if (version > journal::CurrentSchemaVersion()) return Status::Unreadable;
  journal::Statement any(db, "SELECT EXISTS(SELECT 1 FROM answers)");
  if (any.step() != SQLITE_ROW) return Status::Unreadable;
  return any.integer(0) != 0 ? Status::Ready : Status::NoAnswers;
}

std::vector<NoteMastery> PoolMastery(sqlite3* db, const app::ProgressRequest& request) {
  practice::MasteryMap map;
  for (const journal::NoteHistory& note : journal::MasteryInputs(db, request.key, practice::kMasteryWindow)) {
    // Replayed oldest first through the practice library's own rules, so the map and the
    // weak-note pick agree on every state.
    for (auto it = note.lastFirstTries.rbegin(); it != note.lastFirstTries.rend(); ++it) {
      practice::AnswerRecord record;
      record.key = request.key;
      record.questionSlot = note.slot;
      record.correct = it->correct;
      record.responseMs = it->responseMs;
      map.Add(record);
    }
  }
  std::vector<NoteMastery> notes;
  for (const theory::NoteSlot slot : request.pool) {
    if (std::any_of(notes.begin(), notes.end(), [&](const NoteMastery& n) { return n.slot == slot; })) continue;
    notes.push_back({slot, map.Of(practice::NoteKeyOf(request.key, slot))});
  }
  return notes;
}

std::vector<MistakeLine> Mistakes(sqlite3* db, const app::ProgressRequest& request) {
  std::vector<MistakeLine> lines;
  for (const journal::MistakeSummary& summary : journal::RecentMistakes(db, request.nowUtcMs, kMistakeDays)) {
    const auto& example = summary.example;
    // Diagnosed afresh for the place the note was read at. Where this program explains the
    // answer otherwise than the stored kind (a journal from another version), the sentence says
    // only what was read as what, rather than contradict the heading it stands under.
    practice::Diagnosis diagnosis = practice::Diagnose(example.key, example.questionSlot, example.answerMidi);
    if (diagnosis.kind != summary.kind) diagnosis.kind = practice::MistakeKind::Other;
    lines.push_back({summary.kind, std::string(MistakeCaption(summary.kind)), summary.count,
                     practice::DescribeMistake(example.key, example.questionSlot, diagnosis,
                                               {.syllables = request.syllables, .middleCIsC4 = request.middleCIsC4})});
  }
  return lines;
}

}  // namespace

ProgressReport ReadProgress(const app::ProgressRequest& request) {
  ProgressReport report;
  ReadOnlyJournal journal(request.journalPath);
  report.status = journal.db() == nullptr ? Status::NoAnswers : Probe(journal.db());
  if (report.status != Status::Ready) {
    report.message = report.status == Status::NoAnswers ? kNoAnswers : kUnreadable;
    for (const theory::NoteSlot slot : request.pool) {
      if (std::none_of(report.notes.begin(), report.notes.end(), [&](const NoteMastery& n) { return n.slot == slot; }))
        report.notes.push_back({slot, {}});
    }
    return report;
  }
  sqlite3* db = journal.db();
  // One read transaction: the figures agree with each other while another trainer writes.
  journal::Execute(db, "BEGIN");
  report.notes = PoolMastery(db, request);
  report.days = journal::DailyTrend(db, request.nowUtcMs, kTrendDays, request.utcOffsetMinutes);
  report.sessions = journal::SessionTrend(db, kTrendSessions);
  report.mistakes = Mistakes(db, request);
  journal::Execute(db, "COMMIT");
  return report;
}

std::string_view MistakeCaption(practice::MistakeKind kind) {
  using practice::MistakeKind;
  switch (kind) {
    case MistakeKind::None:
      return "Right";
    case MistakeKind::AccidentalIgnored:
      return "Accidental on the note missed";
    case MistakeKind::KeySignatureIgnored:
      return "Key signature ignored";
    case MistakeKind::Octave:
      return "Wrong octave";
    case MistakeKind::LedgerLines:
      return "Ledger lines miscounted";
    case MistakeKind::OneStep:
      return "One step off";
    case MistakeKind::TwoSteps:
      return "Two steps off";
    case MistakeKind::OtherClef:
      return "Read in the other clef";
    case MistakeKind::Other:
      return "Other";
  }
  return "Other";
}

}  // namespace lintra::progress

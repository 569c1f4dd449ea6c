#include "coach/progress_report.h"

#include <algorithm>
#include <optional>

#include "coach/progress_summary.h"
#include "coach/reading_history.h"
#include "journal/journal_reader.h"
#include "practice/diagnosis.h"
#include "theory/note_names.h"
#include "ui/translate.h"

namespace lintra::coach {
namespace {

using Status = ProgressReport::Status;

// The pool, each note once, in pool order, named as the student names notes.
std::vector<NoteMastery> UnaskedPool(const ProgressRequest& request) {
  std::vector<NoteMastery> notes;
  for (const theory::NoteSlot slot : request.pool) {
    if (std::any_of(notes.begin(), notes.end(), [&](const NoteMastery& n) { return n.slot == slot; })) continue;
    notes.push_back({slot,
                     practice::NoteNameAsShown(theory::SpelledNoteTable().at(slot).letterName,
                                               {.syllables = request.syllables, .middleCIsC4 = request.middleCIsC4}),
                     {}});
  }
  return notes;
}

// First tries in the key per local day, over the days of the last four weeks that had any.
double QuestionsPerDay(const journal::JournalReader& journal, const ProgressRequest& request) {
  int days = 0;
  long long questions = 0;
  for (const journal::TrendPoint& day :
       journal.DailyTrend(request.nowUtcMs, kPaceDays, request.utcOffsetMinutes, request.key)) {
    if (day.firstTries == 0) continue;
    ++days;
    questions += day.firstTries;
  }
  return days == 0 ? 0.0 : static_cast<double>(questions) / days;
}

// The pool as the weak-note pick judges it once it has drawn from it, and when it may all be fluent.
std::vector<NoteMastery> PoolMastery(const journal::JournalReader& journal, const ProgressRequest& request,
                                     practice::ReadingModel* trainers, std::optional<int>& daysToFluent) {
  std::unique_ptr<practice::ReadingModel> read;
  practice::ReadingModel& model =
      trainers ? *trainers
               : *(read = ReadingFromJournal(journal, request.key, practice::StaffKindOf(request.clefRange)));
  model.MeetPool(request.pool);
  std::vector<NoteMastery> notes = UnaskedPool(request);
  for (NoteMastery& note : notes) note.mastery = model.MasteryOf(note.slot, request.nowUtcMs);
  daysToFluent = model.DaysToFluent(request.pool, QuestionsPerDay(journal, request), request.nowUtcMs);
  return notes;
}

std::vector<MistakeLine> Mistakes(const journal::JournalReader& journal, const ProgressRequest& request) {
  std::vector<MistakeLine> lines;
  for (const journal::MistakeSummary& summary : journal.RecentMistakes(request.nowUtcMs, kMistakeDays)) {
    const auto& example = summary.example;
    // Diagnosed afresh for the place the note was read at. Where this program explains the
    // answer otherwise than the stored kind (a journal from another version), the sentence says
    // only what was read as what, rather than contradict the heading it stands under.
    practice::Diagnosis diagnosis =
        practice::Diagnose(example.key, example.questionSlot, example.answerMidi, example.clefRange);
    if (diagnosis.kind != summary.kind) diagnosis.kind = practice::MistakeKind::Other;
    lines.push_back({summary.kind, ui::TrMarked("Progress", MistakeCaption(summary.kind)), summary.count,
                     practice::DescribeMistake(example.key, example.questionSlot, diagnosis,
                                               {.syllables = request.syllables, .middleCIsC4 = request.middleCIsC4},
                                               example.clefRange, &ui::TrMarked)});
  }
  return lines;
}

}  // namespace

namespace {

void Fill(ProgressReport& report, const journal::JournalReader& journal, const ProgressRequest& request,
          practice::ReadingModel* trainers) {
  switch (journal.Probe()) {
    case journal::JournalReader::State::Ready:
      report.status = Status::Ready;
      break;
    case journal::JournalReader::State::Empty:
      report.status = Status::NoAnswers;
      break;
    case journal::JournalReader::State::Unreadable:
      report.status = Status::Unreadable;
      break;
  }
  if (report.status != Status::Ready) {
    report.message = report.status == Status::NoAnswers
                         ? ui::Tr("Progress", "No answers yet: the map and the trends fill in as you practise.")
                         : ui::Tr("Progress", "The practice journal could not be read.");
    report.notes = UnaskedPool(request);
    report.mapSummary = report.daySummary = report.sessionSummary = report.calendarSummary = report.message;
    return;
  }
  std::optional<int> daysToFluent;
  journal.Snapshot([&] {
    report.notes = PoolMastery(journal, request, trainers, daysToFluent);
    report.days = journal.DailyTrend(request.nowUtcMs, kTrendDays, request.utcOffsetMinutes, request.key);
    report.sessions = journal.SessionTrend(kTrendSessions, request.key);
    report.mistakes = Mistakes(journal, request);
    report.calendar = journal.DailyTrend(request.nowUtcMs, 7 * kCalendarWeeks, request.utcOffsetMinutes);
    report.today = LocalDay(request.nowUtcMs, request.utcOffsetMinutes);
    report.streaks =
        CountStreaks(DaysOfSessions(journal.FirstTriesPerSession(), request.utcOffsetMinutes), 1, report.today);
  });
  report.mapSummary = MapSummary(report.notes);
  report.forecast = ForecastSummary(daysToFluent);
  report.daySummary = TrendSummary(report.days, TrendOf::Days);
  report.sessionSummary = TrendSummary(report.sessions, TrendOf::Sessions);
  report.calendarSummary = CalendarSummary(report.calendar, 7 * kCalendarWeeks, report.streaks);
}

}  // namespace

ProgressReport ReadProgress(const ProgressRequest& request) {
  ProgressReport report;
  // The trainer's model reads the journal itself when it must: it is had before the journal is
  // read here, never while the journal is being read.
  practice::ReadingModel* trainers = request.reading ? &request.reading() : nullptr;
  const auto read = [&](const journal::JournalReader& journal) { Fill(report, journal, request, trainers); };
  if (!request.readJournal) {
    read(journal::JournalReader(request.journalPath));
    return report;
  }
  // What the file could not take yet is shown with the rest, and said so.
  if (const std::size_t unsaved = request.readJournal(read)) {
    report.message = ui::Args(ui::Tr("Messages",
                                     "Answers not yet saved in the practice journal: %1. They are shown here, and "
                                     "the trainer keeps trying to save them."),
                              {std::to_string(unsaved)});
  }
  return report;
}

ProgressRequest InKeyAndRange(const ProgressRequest& request, theory::KeyId key, practice::ClefRange range) {
  ProgressRequest chosen = request;
  chosen.key = key;
  chosen.clefRange = range;
  chosen.pool = practice::PoolIn(key, range);
  // The trainer keeps the model of its own key alone; asking it for another would replace it.
  if (key != request.key) chosen.reading = nullptr;
  return chosen;
}

std::string_view MistakeCaption(practice::MistakeKind kind) {
  using practice::MistakeKind;
  switch (kind) {
    case MistakeKind::None:
      return LINTRA_TRANSLATE_NOOP("Progress", "Right");
    case MistakeKind::AccidentalIgnored:
      return LINTRA_TRANSLATE_NOOP("Progress", "Accidental on the note missed");
    case MistakeKind::KeySignatureIgnored:
      return LINTRA_TRANSLATE_NOOP("Progress", "Key signature ignored");
    case MistakeKind::Octave:
      return LINTRA_TRANSLATE_NOOP("Progress", "Wrong octave");
    case MistakeKind::LedgerLines:
      return LINTRA_TRANSLATE_NOOP("Progress", "Ledger lines miscounted");
    case MistakeKind::OneStep:
      return LINTRA_TRANSLATE_NOOP("Progress", "One step off");
    case MistakeKind::TwoSteps:
      return LINTRA_TRANSLATE_NOOP("Progress", "Two steps off");
    case MistakeKind::OtherClef:
      return LINTRA_TRANSLATE_NOOP("Progress", "Read in the other clef");
    case MistakeKind::CClefReadAsTrebleOrBass:
      return LINTRA_TRANSLATE_NOOP("Progress", "C clef read as treble or bass");
    case MistakeKind::Other:
      return LINTRA_TRANSLATE_NOOP("Progress", "Other");
  }
  return LINTRA_TRANSLATE_NOOP("Progress", "Other");
}

}  // namespace lintra::coach

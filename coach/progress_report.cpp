#include "coach/progress_report.h"

#include <algorithm>

#include "coach/reading_history.h"
#include "journal/journal_reader.h"
#include "practice/diagnosis.h"
#include "theory/note_names.h"
#include "ui/translate.h"

namespace lintra::coach {
namespace {

using Status = ProgressReport::Status;

constexpr const char* kNoAnswers = "No answers yet: the map and the trends fill in as you practise.";
constexpr const char* kUnreadable = "The practice journal could not be read.";

// The pool, each note once, in pool order, as the weak-note pick judges it once it has drawn from it.
std::vector<NoteMastery> PoolMastery(const journal::JournalReader& journal, const ProgressRequest& request,
                                     practice::ReadingModel* trainers) {
  std::unique_ptr<practice::ReadingModel> read;
  practice::ReadingModel& model = trainers ? *trainers : *(read = ReadingFromJournal(journal, request.key));
  model.MeetPool(request.pool);
  std::vector<NoteMastery> notes;
  for (const theory::NoteSlot slot : request.pool) {
    if (std::any_of(notes.begin(), notes.end(), [&](const NoteMastery& n) { return n.slot == slot; })) continue;
    notes.push_back({slot, model.MasteryOf(slot, request.nowUtcMs)});
  }
  return notes;
}

std::vector<MistakeLine> Mistakes(const journal::JournalReader& journal, const ProgressRequest& request) {
  std::vector<MistakeLine> lines;
  for (const journal::MistakeSummary& summary : journal.RecentMistakes(request.nowUtcMs, kMistakeDays)) {
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
    report.message = report.status == Status::NoAnswers ? kNoAnswers : kUnreadable;
    for (const theory::NoteSlot slot : request.pool) {
      if (std::none_of(report.notes.begin(), report.notes.end(), [&](const NoteMastery& n) { return n.slot == slot; }))
        report.notes.push_back({slot, {}});
    }
    return;
  }
  journal.Snapshot([&] {
    report.notes = PoolMastery(journal, request, trainers);
    report.days = journal.DailyTrend(request.nowUtcMs, kTrendDays, request.utcOffsetMinutes);
    report.sessions = journal.SessionTrend(kTrendSessions);
    report.mistakes = Mistakes(journal, request);
  });
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
    case MistakeKind::CClefReadAsTrebleOrBass:
      return "C clef read as treble or bass";
    case MistakeKind::Other:
      return "Other";
  }
  return "Other";
}

}  // namespace lintra::coach

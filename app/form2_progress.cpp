// The journal side of the window: every judged answer recorded, the time and the mistake told,
// the journal's troubles told once, and the "Progress" menu's commands over the journal.
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/form2.h"
#include "app/progress_view.h"
#include "journal/journal_queries.h"
#include "journal/journal_writer.h"
#include "practice/diagnosis.h"
#include "practice/weak_pick.h"
#include "theory/keys.h"

namespace lintra::app {
namespace {

std::string FileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

std::string NoticeText(const journal::Notice& notice) {
  switch (notice.kind) {
    case journal::Notice::Kind::DamagedMovedAside:
      return "The practice journal was damaged. It is kept as \"" + FileName(notice.file) +
             "\" and a new journal was started.";
    case journal::Notice::Kind::HeldInMemory:
      return "The practice journal cannot be written (" + notice.detail +
             "). The trainer goes on; the answers of this session are kept until it ends.";
    case journal::Notice::Kind::NewerVersion:
      return "The practice journal was written by a newer version of the trainer and is left as it is.";
  }
  return {};
}

// Tenths of a second, rounded: "1.4 s".
std::string Seconds(std::int64_t ms) {
  const std::int64_t tenths = (ms + 50) / 100;
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " s";
}

}  // namespace

void TForm2::OpenJournal() {
  sessionId_ = services_.clock.WallTimeUtcMs();
  if (services_.journalPath.empty()) return;
  journal_ = std::make_unique<journal::JournalWriter>(std::make_unique<journal::Journal>(services_.journalPath));
  TellJournalNotices();
}

void TForm2::TellJournalNotices() {
  if (!journal_) return;
  // The journal tells each kind of trouble only once.
  while (const auto notice = journal_->PollNotice()) services_.dialogs.Message(NoticeText(*notice));
}

std::string TForm2::CurrentKeyItem() {
  if (Checked(menu::ChromaticScale)) return std::string(practice::kChromaticItem);
  for (const auto& key : theory::Keys()) {
    const auto& item = model_.MenuNamed(key.item);
    if (item.checked && item.parent != nullptr && item.parent->checked) return std::string(key.item);
  }
  return "CMajor1";
}

practice::ClefRange TForm2::CurrentClefRange() const {
  if (TrebleClef == 1) return practice::ClefRange::Treble;
  return PickRange == 35 ? practice::ClefRange::Bass : practice::ClefRange::Grand;
}

std::vector<theory::NoteSlot> TForm2::PoolInRange() {
  const bool chromatic = Checked(menu::ChromaticScale);
  const auto& lines = model_.C(control::KeyList).lines;
  const int first = TrebleClef == 1 ? 35 : 0;
  std::vector<theory::NoteSlot> pool;
  for (int slot = first; slot < first + PickRange && slot < static_cast<int>(theory::kNoteSlotCount); ++slot) {
    if (chromatic || std::find(lines.begin(), lines.end(), std::to_string(slot)) != lines.end()) {
      pool.push_back(static_cast<theory::NoteSlot>(slot));
    }
  }
  return pool;
}

void TForm2::QuestionShown() {
  questionOpen_ = true;
  questionShownMs_ = services_.clock.TimeOfDayMs();
  attempt_ = 1;
}

void TForm2::RecordAnswer() {
  if (!questionOpen_) return;  // a key pressed before the first question: there is nothing to answer
  practice::AnswerInput input;
  input.wallTimeUtcMs = services_.clock.WallTimeUtcMs();
  input.sessionId = sessionId_;
  input.exercise = practice::Exercise::NoteReading;
  input.keyItem = CurrentKeyItem();
  input.clefRange = CurrentClefRange();
  input.questionSlot = static_cast<theory::NoteSlot>(CurrentSlot);
  input.answerKey = std::string(ui::Keyboard()[static_cast<std::size_t>(KeyNote - ui::kLowestKeyNote)].name);
  input.answerMidi = KeyNote;
  input.source = answerSource_;
  input.attempt = attempt_++;
  // The clock gives the time of day: an answer after midnight still counts from the question.
  input.responseMs = (services_.clock.TimeOfDayMs() - questionShownMs_ + ui::kMsPerDay) % ui::kMsPerDay;
  const practice::AnswerRecord record = practice::MakeAnswerRecord(input);

  if (weakPick_ && record.attempt == 1 && weakPickKey_ == record.keyItem) {
    unweighed_.push_back({record.questionSlot, record.correct, record.responseMs, record.wallTimeUtcMs});
  }
  if (Checked(menu::ShowTimeAndMistake)) ShowAnswerStatus(record);
  if (journal_) {
    TellJournalNotices();
    journal_->Record(record);
  }
}

void TForm2::ShowAnswerStatus(const practice::AnswerRecord& record) {
  std::string text = Seconds(record.responseMs);
  if (!record.correct) {
    const auto diagnosis = practice::Diagnose(record.keyItem, record.questionSlot, record.answerMidi);
    text +=
        ". " +
        practice::DescribeMistake(record.keyItem, record.questionSlot, diagnosis,
                                  {.syllables = Checked(menu::Syllables), .middleCIsC4 = Checked(menu::MiddleCIsC4)}) +
        ".";
  }
  SetText(control::StatusLine, std::move(text));
}

bool TForm2::WriteJournalCsv(std::ostream& out) {
  if (!journal_) return false;
  return journal_->Read([&](journal::Journal& journal) { return journal::ExportCsv(journal.db(), out); });
}

void TForm2::ShowProgressClick() {
  if (services_.progressView == nullptr) {
    services_.dialogs.Message("The Progress window cannot be shown here.");
    return;
  }
  ProgressRequest request;
  if (journal_) {
    // The window reads the file on a connection of its own: every answer given must be in it.
    journal_->Flush();
    request.journalPath = services_.journalPath;
  }
  request.keyItem = CurrentKeyItem();
  request.clefRange = CurrentClefRange();
  request.pool = PoolInRange();
  request.syllables = Checked(menu::Syllables);
  request.middleCIsC4 = Checked(menu::MiddleCIsC4);
  request.nowUtcMs = services_.clock.WallTimeUtcMs();
  request.utcOffsetMinutes = services_.clock.UtcOffsetMinutes();
  request.exportJournal = [this] { Guard([this] { ExportJournalClick(); }); };
  request.resetProgress = [this] { Guard([this] { ResetProgressClick(); }); };
  services_.progressView->Show(request);
}

void TForm2::ExportJournalClick() {
  if (!journal_) {
    services_.dialogs.Message("No practice journal is kept, so there is nothing to export.");
    return;
  }
  std::string path = "Lintra journal.csv";
  if (!services_.dialogs.SaveFileName("Export Journal", path)) return;
  bool written = false;
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    written = file && WriteJournalCsv(file);
    file.close();
    written = written && !file.fail();
  }
  if (!written) {
    services_.dialogs.Error("The journal could not be exported to \"" + path +
                            "\". Choose a folder where you may write files, and try again.");
  }
}

void TForm2::ResetProgressClick() {
  if (!journal_) {
    services_.dialogs.Message("No practice journal is kept, so there is no progress to reset.");
    return;
  }
  if (!services_.dialogs.Confirm("Start a new practice journal? The answers so far are kept in a backup "
                                 "file, and your progress starts again from nothing.")) {
    return;
  }
  const std::string backup =
      journal_->Read([&](journal::Journal& journal) { return journal.Reset(services_.clock.WallTimeUtcMs()); });
  weakPick_.reset();
  weakPickKey_.clear();
  unweighed_.clear();
  TellJournalNotices();
  services_.dialogs.Message(backup.empty() ? "A new practice journal was started."
                                           : "A new practice journal was started. The old one is kept as \"" +
                                                 FileName(backup) + "\".");
}

void TForm2::PractiseWeakNotesClick() { ToggleOption(menu::PractiseWeakNotes); }

void TForm2::ShowTimeAndMistakeClick() {
  ToggleOption(menu::ShowTimeAndMistake);
  if (!Checked(menu::ShowTimeAndMistake)) SetText(control::StatusLine, "");
  model_.SetVisible(model_.C(control::StatusLine), Checked(menu::ShowTimeAndMistake));
}

}  // namespace lintra::app

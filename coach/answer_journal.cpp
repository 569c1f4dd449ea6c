#include "coach/answer_journal.h"

#include <filesystem>

#include "coach/whole_file.h"
#include "ui/key_menus.h"
#include "ui/translate.h"

namespace lintra::coach {
namespace {

using journal::ResetResult;

std::string FileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

std::string NoticeText(const journal::Notice& notice) {
  switch (notice.kind) {
    case journal::Notice::Kind::DamagedMovedAside:
      return ui::Args(
          ui::Tr("Messages", "The practice journal was damaged. It is kept as \"%1\" and a new journal was started."),
          {FileName(notice.file)});
    case journal::Notice::Kind::HeldInMemory:
      return ui::Args(ui::Tr("Messages",
                             "The practice journal cannot be written (%1). The trainer goes on and keeps your "
                             "answers: it tries again to save them, and when you close it, it offers to export "
                             "any it could not save."),
                      {notice.detail});
    case journal::Notice::Kind::NewerVersion:
      return ui::Tr("Messages",
                    "The practice journal was written by a newer version of the trainer and is left as it is.");
    case journal::Notice::Kind::Shared:
      return ui::Tr("Messages",
                    "Another Lintra window is open with the same practice journal. Your answers in both are "
                    "kept; to reset your progress, close the other window first.");
  }
  return {};
}

std::string ResetText(const ResetResult& result) {
  switch (result.outcome) {
    case ResetResult::Outcome::Started:
      return result.backup.empty()
                 ? ui::Tr("Messages", "A new practice journal was started.")
                 : ui::Args(ui::Tr("Messages", "A new practice journal was started. The old one is kept as \"%1\"."),
                            {FileName(result.backup)});
    case ResetResult::Outcome::InUse:
      return ui::Tr("Messages",
                    "Your progress was not reset: another Lintra window is using the same practice journal. "
                    "Close it, then try again.");
    case ResetResult::Outcome::NotSaved:
      return ui::Args(ui::Tr("Messages",
                             "Your progress was not reset: some answers are not yet saved in the practice "
                             "journal (%1). Try again once it can be written."),
                      {result.detail});
    case ResetResult::Outcome::CannotMove:
      return ui::Args(ui::Tr("Messages",
                             "Your progress was not reset: the practice journal could not be set aside as a "
                             "backup (%1). It is kept as it was."),
                      {result.detail});
    case ResetResult::Outcome::CannotStart:
      return ui::Args(ui::Tr("Messages",
                             "Your progress was not reset: a new practice journal could not be made (%1). The "
                             "old one is kept as it was."),
                      {result.detail});
  }
  return {};
}

}  // namespace

AnswerJournal::AnswerJournal(Window& window, Services& services, std::function<void()> reset)
    : window_(window), services_(services), reset_(std::move(reset)) {}

AnswerJournal::~AnswerJournal() = default;

void AnswerJournal::AddHandlers(ui::Handlers& handlers) {
  handlers.Add("ExportJournalClick", [this] { ExportJournalClick(); });
  handlers.Add("ResetProgressClick", [this] { ResetProgressClick(); });
}

void AnswerJournal::Started() {
  sessionId_ = services_.clock.WallTimeUtcMs();
  sessionUtcOffset_ = services_.clock.UtcOffsetMinutes();
  if (services_.journalPath.empty()) return;
  writer_ = std::make_unique<journal::JournalWriter>(std::make_unique<journal::Journal>(services_.journalPath));
  TellNotices();
}

void AnswerJournal::TellNotices() {
  if (!writer_) return;
  // The journal tells each kind of trouble only once.
  while (const auto notice = writer_->PollNotice()) services_.dialogs.Message(NoticeText(*notice));
}

void AnswerJournal::Answered(const practice::JudgedAnswer& answer) {
  if (!writer_) return;
  TellNotices();
  practice::AnswerRecord record = practice::MakeAnswerRecord(answer, sessionId_);
  record.utcOffsetMinutes = sessionUtcOffset_;
  record.weakNotes = window_.Model().M(ui::menu::PractiseWeakNotes).checked;
  writer_->Record(std::move(record));
}

void AnswerJournal::Closing() {
  // The window may say it closes twice; the student is asked once.
  if (!writer_ || std::exchange(closing_, true)) return;
  const std::size_t unsaved = writer_->SaveHeld();
  if (unsaved == 0) return;
  if (services_.dialogs.Confirm(ui::Args(ui::Tr("Messages",
                                                "Answers not saved in the practice journal: %1. Export them, "
                                                "with all the others, to a file before the trainer closes? If "
                                                "not, they are lost."),
                                         {std::to_string(unsaved)}))) {
    ExportJournalClick();
  }
}

void AnswerJournal::Flush() {
  if (writer_) writer_->Flush();
}

std::size_t AnswerJournal::ReadForWindow(const std::function<void(const journal::JournalReader&)>& read) {
  if (!writer_) return 0;
  const std::size_t unsaved = writer_->Unsaved();
  if (!writer_->InMemory()) {
    read(journal::JournalReader(Path()));
    return 0;
  }
  writer_->Read([&](const journal::JournalReader& journal) { read(journal); });
  return unsaved;
}

bool AnswerJournal::WriteCsv(std::ostream& out) {
  if (!writer_) return false;
  auto& model = window_.Model();
  const journal::CsvNaming naming{
      [](theory::KeyId key) { return std::string(ui::KeyCaption(key)); },
      {.syllables = model.M(ui::menu::Syllables).checked, .middleCIsC4 = model.M(ui::menu::MiddleCIsC4).checked}};
  return writer_->Read([&](const journal::JournalReader& journal) { return journal.ExportCsv(out, naming); });
}

void AnswerJournal::ExportJournalClick() {
  if (!writer_) {
    services_.dialogs.Message(ui::Tr("Messages", "No practice journal is kept, so there is nothing to export."));
    return;
  }
  std::string path = "Lintra journal.csv";
  if (!services_.dialogs.SaveFileName(ui::Tr("Messages", "Export Journal"), path)) return;
  switch (SaveWhole(path, [this](std::ostream& out) { return WriteCsv(out); })) {
    case Saved::Whole:
      if (const std::size_t unsaved = writer_->Unsaved()) {
        services_.dialogs.Message(ui::Args(ui::Tr("Messages",
                                                  "The file holds every answer, also those not yet saved in the "
                                                  "practice journal: %1. The trainer keeps trying to save them."),
                                           {std::to_string(unsaved)}));
      }
      return;
    case Saved::DiskFull:
      services_.dialogs.Error(ui::Args(ui::Tr("Messages",
                                              "The journal could not be exported to \"%1\": the disk is full. "
                                              "Make room on it, or choose another place, and try again."),
                                       {path}));
      return;
    case Saved::NotRead:
      services_.dialogs.Error(ui::Tr("Messages", "The practice journal could not be read, so it was not exported."));
      return;
    case Saved::CannotWrite:
      services_.dialogs.Error(ui::Args(
          ui::Tr(
              "Messages",
              "The journal could not be exported to \"%1\". Choose a folder where you may write files, and try again."),
          {path}));
      return;
  }
}

void AnswerJournal::ResetProgressClick() {
  if (!writer_) {
    services_.dialogs.Message(ui::Tr("Messages", "No practice journal is kept, so there is no progress to reset."));
    return;
  }
  if (!services_.dialogs.Confirm(ui::Tr("Messages",
                                        "Start a new practice journal? The answers so far are kept in a backup "
                                        "file, and your progress starts again from nothing."),
                                 ui::DefaultAnswer::No)) {
    return;
  }
  const ResetResult result = writer_->Reset(services_.clock.WallTimeUtcMs());
  if (result.outcome == ResetResult::Outcome::Started && reset_) reset_();
  TellNotices();
  services_.dialogs.Message(ResetText(result));
}

}  // namespace lintra::coach

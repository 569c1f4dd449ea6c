#include "coach/answer_journal.h"

#include <filesystem>
#include <fstream>

#include "ui/key_menus.h"

namespace lintra::coach {
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

}  // namespace

AnswerJournal::AnswerJournal(Services& services, std::function<void()> reset)
    : services_(services), reset_(std::move(reset)) {}

AnswerJournal::~AnswerJournal() = default;

void AnswerJournal::AddHandlers(ui::Handlers& handlers) {
  handlers.Add("ExportJournalClick", [this] { ExportJournalClick(); });
  handlers.Add("ResetProgressClick", [this] { ResetProgressClick(); });
}

void AnswerJournal::Started() {
  sessionId_ = services_.clock.WallTimeUtcMs();
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
  writer_->Record(practice::MakeAnswerRecord(answer, sessionId_));
}

void AnswerJournal::Flush() {
  if (writer_) writer_->Flush();
}

bool AnswerJournal::WriteCsv(std::ostream& out) {
  if (!writer_) return false;
  // The export names keys as the menus do, as it always has.
  const auto keyText = [](theory::KeyId key) { return std::string(ui::KeyMenu(key).text); };
  return writer_->Read([&](const journal::JournalReader& journal) { return journal.ExportCsv(out, keyText); });
}

void AnswerJournal::ExportJournalClick() {
  if (!writer_) {
    services_.dialogs.Message("No practice journal is kept, so there is nothing to export.");
    return;
  }
  std::string path = "Lintra journal.csv";
  if (!services_.dialogs.SaveFileName("Export Journal", path)) return;
  bool written = false;
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    written = file && WriteCsv(file);
    file.close();
    written = written && !file.fail();
  }
  if (!written) {
    services_.dialogs.Error("The journal could not be exported to \"" + path +
                            "\". Choose a folder where you may write files, and try again.");
  }
}

void AnswerJournal::ResetProgressClick() {
  if (!writer_) {
    services_.dialogs.Message("No practice journal is kept, so there is no progress to reset.");
    return;
  }
  if (!services_.dialogs.Confirm("Start a new practice journal? The answers so far are kept in a backup "
                                 "file, and your progress starts again from nothing.")) {
    return;
  }
  const std::string backup = writer_->Reset(services_.clock.WallTimeUtcMs());
  if (reset_) reset_();
  TellNotices();
  services_.dialogs.Message(backup.empty() ? "A new practice journal was started."
                                           : "A new practice journal was started. The old one is kept as \"" +
                                                 FileName(backup) + "\".");
}

}  // namespace lintra::coach

// The practice journal as the trainer keeps it: every judged answer recorded, the journal's
// troubles told once, answers the file could not take offered for export at the end, and the
// "Progress" menu's commands over the file ("Export Journal...", "Reset Progress..."). The other
// features read it through Read().
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <utility>

#include "coach/feature.h"
#include "coach/services.h"
#include "coach/window.h"
#include "journal/journal_writer.h"

namespace lintra::coach {

class AnswerJournal : public Feature {
 public:
  // `reset` is told when the journal was set aside and a new one started.
  AnswerJournal(Window& window, Services& services, std::function<void()> reset);
  ~AnswerJournal() override;

  void AddHandlers(ui::Handlers& handlers) override;
  void Started() override;
  void Closing() override;
  void Answered(const practice::JudgedAnswer& answer) override;

  bool Kept() const { return writer_ != nullptr; }
  const std::string& Path() const { return services_.journalPath; }
  // This session's id in the journal (its start), once started.
  std::int64_t SessionId() const { return sessionId_; }
  // Runs `read` on the journal's reader after every answer given so far is written (or held, when
  // the file cannot take it: then the reader reads both); nothing without a journal.
  template <typename F>
  auto Read(F&& read) -> decltype(read(std::declval<const journal::JournalReader&>())) {
    if (!writer_) return {};
    return writer_->Read(std::forward<F>(read));
  }
  // Every answer given so far is in the file, or held, for a reader of its own.
  void Flush();
  // Runs `read` for a window of its own: on a connection of its own to the file while every answer
  // is there, else on the journal's reader. Gives how many answers are not yet saved in the file.
  std::size_t ReadForWindow(const std::function<void(const journal::JournalReader&)>& read);
  // Every answer journalled so far, as "Export Journal..." writes it; false without a journal or
  // when it could not be read to the end.
  bool WriteCsv(std::ostream& out);

  void ExportJournalClick();
  void ResetProgressClick();

 private:
  void TellNotices();

  Window& window_;
  Services& services_;
  std::function<void()> reset_;
  std::unique_ptr<journal::JournalWriter> writer_;
  std::int64_t sessionId_ = 0;
  bool closing_ = false;
  int sessionUtcOffset_ = 0;  // minutes: the student's local time when the session began
};

}  // namespace lintra::coach

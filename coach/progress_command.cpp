#include "coach/progress_command.h"

#include "ui/translate.h"

namespace lintra::coach {

void ProgressCommand::AddHandlers(ui::Handlers& handlers) {
  handlers.Add("ShowProgressClick", [this] {
    if (services_.progressView == nullptr) {
      services_.dialogs.Message(ui::Tr("Messages", "The Progress window cannot be shown here."));
      return;
    }
    services_.progressView->Show(Request());
  });
}

ProgressRequest ProgressCommand::Request() {
  ProgressRequest request;
  if (journal_.Kept()) {
    request.journalPath = journal_.Path();
    request.readJournal = [this](const std::function<void(const journal::JournalReader&)>& read) {
      return journal_.ReadForWindow(read);
    };
  }
  auto& model = window_.Model();
  request.key = window_.KeyInForce();
  request.clefRange = window_.ClefRangeInForce();
  request.pool = window_.PoolInRange();
  request.syllables = model.M(ui::menu::Syllables).checked;
  request.middleCIsC4 = model.M(ui::menu::MiddleCIsC4).checked;
  request.nowUtcMs = services_.clock.WallTimeUtcMs();
  request.utcOffsetMinutes = services_.clock.UtcOffsetMinutes();
  // The window shows what the weak-note pick draws from: the model of the key in force, as kept.
  request.reading = [this, key = request.key,
                     staff = practice::StaffKindOf(request.clefRange)]() -> practice::ReadingModel& {
    return reading_.Of(key, staff);
  };
  request.exportJournal = [this] { window_.Guard([this] { journal_.ExportJournalClick(); }); };
  request.resetProgress = [this] { window_.Guard([this] { journal_.ResetProgressClick(); }); };
  request.renewed = [this] { return Request(); };
  return request;
}

void ProgressCommand::Answered(const practice::JudgedAnswer&) {
  if (services_.progressView != nullptr) services_.progressView->Answered();
}

}  // namespace lintra::coach

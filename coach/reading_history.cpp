#include "coach/reading_history.h"

namespace lintra::coach {

std::unique_ptr<practice::ReadingModel> ReadingFromJournal(const journal::JournalReader& journal, theory::KeyId key,
                                                           practice::StaffKind staff) {
  auto model = std::make_unique<practice::ReadingModel>();
  for (const auto& history : journal.LastFirstTries(key, staff)) {
    for (auto at = history.lastFirstTries.rbegin(); at != history.lastFirstTries.rend(); ++at) {
      model->Observe({history.slot, at->correct, at->responseMs, 0});
    }
  }
  return model;
}

}  // namespace lintra::coach

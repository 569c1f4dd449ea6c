#include "coach/reading_history.h"

namespace lintra::coach {

std::unique_ptr<practice::ReadingModel> ReadingFromJournal(const journal::JournalReader& journal, theory::KeyId key,
                                                           practice::StaffKind staff) {
  auto model = std::make_unique<practice::ReadingModel>();
  for (const practice::FirstTry& answer : journal.FirstTries(key, staff)) model->Observe(answer);
  return model;
}

}  // namespace lintra::coach

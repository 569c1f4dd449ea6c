#include "coach/reading_history.h"

#include <algorithm>
#include <tuple>

namespace lintra::coach {

std::unique_ptr<practice::ReadingModel> ReadingFromJournal(const journal::JournalReader& journal, theory::KeyId key,
                                                           practice::StaffKind staff) {
  struct Try {
    journal::Attempt attempt;
    theory::NoteSlot slot;
  };
  std::vector<Try> tries;
  for (const auto& history : journal.LastFirstTries(key, staff)) {
    for (const auto& attempt : history.lastFirstTries) tries.push_back({attempt, history.slot});
  }
  // The model reads the order of its answers as the order the questions came in: the notes' tries
  // go in interleaved as they were answered (by time, then as written), not one note after another.
  std::sort(tries.begin(), tries.end(), [](const Try& a, const Try& b) {
    return std::tie(a.attempt.utcMs, a.attempt.row) < std::tie(b.attempt.utcMs, b.attempt.row);
  });
  auto model = std::make_unique<practice::ReadingModel>();
  for (const Try& t : tries) model->Observe({t.slot, t.attempt.correct, t.attempt.responseMs, t.attempt.utcMs});
  return model;
}

}  // namespace lintra::coach

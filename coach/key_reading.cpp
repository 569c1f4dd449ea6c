#include "coach/key_reading.h"

#include "coach/reading_history.h"

namespace lintra::coach {

practice::ReadingModel& KeyReading::Of(theory::KeyId key, practice::StaffKind staff) {
  if (!model_ || key_ != key || staff_ != staff) {
    model_ = journal_.Read([&](const journal::JournalReader& read) { return ReadingFromJournal(read, key, staff); });
    if (!model_) model_ = std::make_unique<practice::ReadingModel>();  // no journal kept
    key_ = key;
    staff_ = staff;
    unweighed_.clear();  // the journal holds them too
  }
  // Weighing an answer now and then refits the whole model.
  for (const auto& answer : unweighed_) model_->Observe(answer);
  unweighed_.clear();
  return *model_;
}

void KeyReading::Answered(const practice::JudgedAnswer& answer) {
  if (model_ && answer.attempt == 1 && key_ == answer.key && staff_ == practice::StaffKindOf(answer.clefRange)) {
    unweighed_.push_back({answer.questionSlot, answer.correct, answer.responseMs, answer.wallTimeUtcMs});
  }
}

void KeyReading::JournalReset() {
  model_.reset();
  unweighed_.clear();
}

}  // namespace lintra::coach

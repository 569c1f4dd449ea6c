#include "coach/weak_notes.h"

#include <stdexcept>

#include "coach/reading_history.h"

namespace lintra::coach {

WeakNotes::WeakNotes(Window& window, AnswerJournal& journal) : window_(window), journal_(journal) {}

void WeakNotes::Answered(const practice::JudgedAnswer& answer) {
  if (model_ && answer.attempt == 1 && key_ == answer.key) {
    unweighed_.push_back({answer.questionSlot, answer.correct, answer.responseMs, answer.wallTimeUtcMs});
  }
}

std::optional<theory::NoteSlot> WeakNotes::PickQuestion(theory::Random& random) {
  if (!window_.Model().M(ui::menu::PractiseWeakNotes).checked) return std::nullopt;
  const auto candidates = window_.PickCandidates();
  if (candidates.empty()) throw std::runtime_error("The question pool holds no note in the chosen range");
  const theory::KeyId key = window_.KeyInForce();
  if (!model_ || key_ != key) {
    // What the journal knows of this key's notes.
    model_ = journal_.Read([&](const journal::JournalReader& read) { return ReadingFromJournal(read, key); });
    if (!model_) model_ = std::make_unique<practice::ReadingModel>();
    key_ = key;
    unweighed_.clear();  // the journal holds them too
  }
  // Weighing an answer now and then refits the whole model; done here, the answer is never delayed.
  for (const auto& answer : unweighed_) model_->Observe(answer);
  unweighed_.clear();
  return model_->Pick(random, candidates);
}

void WeakNotes::JournalReset() {
  model_.reset();
  unweighed_.clear();
}

}  // namespace lintra::coach

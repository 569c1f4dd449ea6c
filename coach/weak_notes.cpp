#include "coach/weak_notes.h"

#include <stdexcept>

namespace lintra::coach {

WeakNotes::WeakNotes(Window& window, AnswerJournal& journal) : window_(window), journal_(journal) {}

void WeakNotes::Answered(const practice::JudgedAnswer& answer) {
  if (pick_ && answer.attempt == 1 && key_ == answer.key) {
    unweighed_.push_back({answer.questionSlot, answer.correct, answer.responseMs, answer.wallTimeUtcMs});
  }
}

std::optional<theory::NoteSlot> WeakNotes::PickQuestion(theory::Random& random) {
  if (!window_.Model().M(ui::menu::PractiseWeakNotes).checked) return std::nullopt;
  const auto candidates = window_.PickCandidates();
  if (candidates.empty()) throw std::runtime_error("The question pool holds no note in the chosen range");
  const theory::KeyId key = window_.KeyInForce();
  if (!pick_ || key_ != key) {
    // What the journal knows of this key's notes, each note's first tries in the order they came.
    pick_ = std::make_unique<practice::WeakNotePick>();
    key_ = key;
    unweighed_.clear();  // the journal holds them too
    const auto histories = journal_.Read([&](const journal::JournalReader& read) { return read.LastFirstTries(key); });
    for (const auto& history : histories) {
      for (auto at = history.lastFirstTries.rbegin(); at != history.lastFirstTries.rend(); ++at) {
        pick_->Observe(history.slot, at->correct, at->responseMs);
      }
    }
  }
  // Weighing an answer now and then refits the whole model; done here, the answer is never delayed.
  for (const auto& answer : unweighed_) pick_->Observe(answer.slot, answer.right, answer.responseMs);
  unweighed_.clear();
  return pick_->Pick(random, candidates);
}

void WeakNotes::JournalReset() {
  pick_.reset();
  unweighed_.clear();
}

}  // namespace lintra::coach

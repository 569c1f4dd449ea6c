// "Practise Weak Notes": the question pick weighted towards the notes the student is likely to miss,
// from the same candidates and with one draw of the same generator as the plain pick.
#include <algorithm>
#include <stdexcept>

#include "app/form2.h"
#include "journal/journal_writer.h"
#include "practice/weak_pick.h"

namespace lintra::app {

std::int8_t TForm2::WeakPick(theory::Random& random) {
  const auto candidates = practice::QuestionCandidates(model_.C(control::KeyList).lines, Checked(menu::ChromaticScale),
                                                       TrebleClef, PickRange, CurrentSlot);
  if (candidates.empty()) throw std::runtime_error("The question pool holds no note in the chosen range");
  const theory::KeyId key = CurrentKey();
  if (!weakPick_ || weakPickKey_ != key) {
    // What the journal knows of this key's notes, each note's first tries in the order they came.
    weakPick_ = std::make_unique<practice::WeakNotePick>();
    weakPickKey_ = key;
    unweighed_.clear();  // the journal holds them too
    if (journal_) {
      const auto histories =
          journal_->Read([&](const journal::JournalReader& journal) { return journal.LastFirstTries(key); });
      for (const auto& history : histories) {
        for (auto at = history.lastFirstTries.rbegin(); at != history.lastFirstTries.rend(); ++at) {
          weakPick_->Observe(history.slot, at->correct, at->responseMs);
        }
      }
    }
  }
  // Weighing an answer now and then refits the whole model; done here, the answer is never delayed.
  for (const auto& answer : unweighed_) weakPick_->Observe(answer.slot, answer.right, answer.responseMs);
  unweighed_.clear();
  return static_cast<std::int8_t>(weakPick_->Pick(random, candidates));
}

}  // namespace lintra::app

// "Practise Weak Notes": the question pick weighted towards the notes the student is likely to miss,
// from the same candidates and with one draw of the same generator as the plain pick.
#include <algorithm>
#include <stdexcept>

#include "app/form2.h"
#include "journal/first_tries.h"
#include "journal/journal_writer.h"
#include "practice/weak_pick.h"

namespace lintra::app {

std::int8_t TForm2::WeakPick(theory::Random& random) {
  const auto candidates = practice::QuestionCandidates(model_.C(control::KeyList).lines, Checked(menu::ChromaticScale),
                                                       TrebleClef, PickRange, CurrentSlot);
  if (candidates.empty()) throw std::runtime_error("The question pool holds no note in the chosen range");
  const std::string key = CurrentKeyItem();
  if (!weakPick_ || weakPickKey_ != key) {
    // What the journal knows of this key's notes: every first try, in the order they came.
    weakPick_ = std::make_unique<practice::WeakNotePick>();
    weakPickKey_ = key;
    unweighed_.clear();  // the journal holds them too
    if (journal_) {
      const auto tries =
          journal_->Read([&](journal::Journal& journal) { return journal::FirstTriesInOrder(journal.db(), key); });
      for (const auto& answer : tries) weakPick_->Observe(answer);
    }
  }
  // Weighing an answer now and then refits the whole model; done here, the answer is never delayed.
  for (const auto& answer : unweighed_) weakPick_->Observe(answer);
  unweighed_.clear();
  return static_cast<std::int8_t>(weakPick_->Pick(random, candidates, services_.clock.WallTimeUtcMs()));
}

}  // namespace lintra::app

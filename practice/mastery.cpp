#include "practice/mastery.h"

#include <algorithm>
#include <vector>

namespace lintra::practice {

NoteKey NoteKeyOf(theory::KeyId key, theory::NoteSlot slot) {
  const int step = LetterStep(slot);
  return NoteKey{key, StaffOf(step), PlaceOnStaff(step), theory::SpelledNoteTable().at(slot).kind};
}

std::string_view Caption(MasteryState state) {
  switch (state) {
    case MasteryState::New:
      return "new";
    case MasteryState::Learning:
      return "learning";
    case MasteryState::Fluent:
      return "fluent";
  }
  return "new";
}

void MasteryMap::Add(const AnswerRecord& record) {
  if (record.attempt != 1 || record.exercise != Exercise::NoteReading) return;
  const NoteKey note = NoteKeyOf(record.key, record.questionSlot);
  Window& window = windows_[note];
  Mastery& mastery = mastery_[note];
  const auto at = static_cast<std::size_t>(window.next);
  window.right[at] = record.correct;
  window.ms[at] = record.responseMs;
  window.next = (window.next + 1) % kMasteryWindow;
  ++mastery.attempts;
  mastery.recent = std::min(mastery.attempts, kMasteryWindow);

  const auto count = static_cast<std::size_t>(mastery.recent);
  mastery.recentRight =
      static_cast<int>(std::count(window.right.begin(), window.right.begin() + static_cast<long>(count), true));
  std::vector<std::int64_t> times(window.ms.begin(), window.ms.begin() + static_cast<long>(count));
  std::sort(times.begin(), times.end());
  mastery.medianMs = count % 2 == 1
                         ? static_cast<double>(times[count / 2])
                         : (static_cast<double>(times[count / 2 - 1]) + static_cast<double>(times[count / 2])) / 2.0;

  if (mastery.attempts < kNewBelowAttempts) {
    mastery.state = MasteryState::New;
  } else if (mastery.recentRight >= kFluentRight && mastery.medianMs < kFluentMedianMs) {
    mastery.state = MasteryState::Fluent;
  } else {
    mastery.state = MasteryState::Learning;
  }
}

Mastery MasteryMap::Of(const NoteKey& note) const {
  const auto found = mastery_.find(note);
  return found == mastery_.end() ? Mastery{} : found->second;
}

}  // namespace lintra::practice

// The model of the student's reading of the key in force, one object shared by the weak-note pick
// and the Progress window: read from the journal when first asked for, then kept up with every
// first try in that key. The pick draws from the very estimates the window shows, judged at the
// time the window's clock tells.
#pragma once

#include <memory>
#include <vector>

#include "coach/answer_journal.h"
#include "coach/feature.h"
#include "practice/reading_model.h"
#include "ui/clock.h"

namespace lintra::coach {

class KeyReading : public Feature {
 public:
  KeyReading(AnswerJournal& journal, const ui::Clock& clock) : journal_(journal), clock_(clock) {}

  // The model of `key` with every first try weighed. Asked for another key than the one it holds,
  // it reads that key from the journal instead.
  practice::ReadingModel& Of(theory::KeyId key);
  // The time the model's estimates are judged at: recall fades with it.
  std::int64_t NowUtcMs() const { return clock_.WallTimeUtcMs(); }

  void Answered(const practice::JudgedAnswer& answer) override;
  void JournalReset() override;

 private:
  AnswerJournal& journal_;
  const ui::Clock& clock_;
  std::unique_ptr<practice::ReadingModel> model_;
  theory::KeyId key_ = theory::KeyId::CMajor;
  // First tries not yet weighed: the weighing waits until the model is next asked for, off the
  // answer's path.
  std::vector<practice::FirstTry> unweighed_;
};

}  // namespace lintra::coach

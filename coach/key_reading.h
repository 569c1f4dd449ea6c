// The model of the student's reading of the key in force, one object shared by the weak-note pick
// and the Progress window: read from the journal when first asked for, then kept up with every
// first try in that key. The pick draws from the very estimates the window shows, judged at the
// time the window's clock tells. A key's notes are read on the grand staff or on a C clef's staff,
// and the two readings are models apart.
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

  // The model of `key` on `staff` with every first try weighed. Asked for another key or staff than
  // the one it holds, it reads that one from the journal instead.
  practice::ReadingModel& Of(theory::KeyId key, practice::StaffKind staff = practice::StaffKind::Grand);
  // The time the model's estimates are judged at: recall fades with it.
  std::int64_t NowUtcMs() const { return clock_.WallTimeUtcMs(); }

  void Answered(const practice::JudgedAnswer& answer) override;
  void JournalReset() override;

 private:
  AnswerJournal& journal_;
  const ui::Clock& clock_;
  std::unique_ptr<practice::ReadingModel> model_;
  theory::KeyId key_ = theory::KeyId::CMajor;
  practice::StaffKind staff_ = practice::StaffKind::Grand;
  // First tries not yet weighed: the weighing waits until the model is next asked for, off the
  // answer's path.
  std::vector<practice::FirstTry> unweighed_;
};

}  // namespace lintra::coach

// "Practise Weak Notes": the question pick weighted towards the notes the student is likely to
// miss, from the same candidates and with one draw of the same generator as the plain pick. What
// it knows of a key is what the journal holds of it and the answers given since.
#pragma once

#include <memory>
#include <vector>

#include "coach/answer_journal.h"
#include "coach/feature.h"
#include "coach/window.h"
#include "practice/reading_model.h"

namespace lintra::coach {

class WeakNotes : public Feature {
 public:
  WeakNotes(Window& window, AnswerJournal& journal);

  void Answered(const practice::JudgedAnswer& answer) override;
  std::optional<theory::NoteSlot> PickQuestion(theory::Random& random) override;
  void JournalReset() override;

 private:
  Window& window_;
  AnswerJournal& journal_;
  std::unique_ptr<practice::ReadingModel> model_;
  theory::KeyId key_ = theory::KeyId::CMajor;  // the key whose answers the pick has weighed
  // First tries not yet weighed: the weighing waits for the next pick, off the answer's path.
  std::vector<practice::FirstTry> unweighed_;
};

}  // namespace lintra::coach

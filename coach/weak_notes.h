// "Practise Weak Notes": the question pick weighted towards the notes the student is likely to
// miss, from the same candidates and with one draw of the same generator as the plain pick.
#pragma once

#include "coach/feature.h"
#include "coach/key_reading.h"
#include "coach/reading_choices.h"
#include "coach/window.h"

namespace lintra::coach {

class WeakNotes : public Feature {
 public:
  WeakNotes(Window& window, KeyReading& reading, ReadingChoices& choices)
      : window_(window), reading_(reading), choices_(choices) {}

  std::optional<theory::NoteSlot> PickQuestion(theory::Random& random) override;

 private:
  Window& window_;
  KeyReading& reading_;
  ReadingChoices& choices_;  // the candidates within the range
};

}  // namespace lintra::coach

// One practice feature: what the trainer does beyond the quiz, told of the window's moments and
// of every judged answer. Each overrides what concerns it.
#pragma once

#include <optional>

#include "coach/options.h"
#include "practice/answer_record.h"
#include "theory/note_table.h"
#include "theory/random.h"
#include "ui/handlers.h"

namespace lintra::coach {

class Feature {
 public:
  virtual ~Feature() = default;

  // Its menu commands, under the names the layout gives them.
  virtual void AddHandlers(ui::Handlers&) {}
  // The options file has been read (before the devices are listed).
  virtual void OptionsLoaded() {}
  // The window's starting values, key and clef are set.
  virtual void StartValuesSet() {}
  // The window is created: the first question is on its way.
  virtual void Started() {}
  // The window is about to close.
  virtual void Closing() {}
  // The options are about to be written: what it keeps between runs goes in now.
  virtual void SavingOptions(Options&) {}
  // The student switched one of the options on or off.
  virtual void OptionToggled(Option) {}
  virtual void Answered(const practice::JudgedAnswer&) {}
  // A new question is due: a slot, or nothing to leave the pick to the next feature and then to the
  // window. Only a feature that answers may draw from `random`.
  virtual std::optional<theory::NoteSlot> PickQuestion(theory::Random&) { return std::nullopt; }
  // The journal was set aside and a new one started: whatever was learnt from it is gone.
  virtual void JournalReset() {}
};

}  // namespace lintra::coach

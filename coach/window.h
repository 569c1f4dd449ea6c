// The main window as the practice features see it: its model (menus and controls), what the
// student has chosen, and the few things they ask of it. The window's logic implements it.
#pragma once

#include <functional>
#include <vector>

#include "practice/answer_record.h"
#include "theory/keys.h"
#include "theory/note_table.h"
#include "ui/window_model.h"

namespace lintra::coach {

class Window {
 public:
  virtual ~Window() = default;

  virtual ui::WindowModel& Model() = 0;
  virtual theory::KeyId KeyInForce() = 0;
  virtual practice::ClefRange ClefRangeInForce() = 0;
  // Every note of the pool in the clef's range.
  virtual std::vector<theory::NoteSlot> PoolInRange() = 0;
  // The slots the plain pick can ask next.
  virtual std::vector<theory::NoteSlot> PickCandidates() = 0;
  // The key note reading returns to: the one in force, or the one the reverse exercise left.
  virtual theory::KeyId KeyToReturnTo() = 0;
  virtual int Instrument() = 0;
  virtual void UseInstrument(int program) = 0;
  // Runs a command as the window runs its handlers: an error ends it and is shown.
  virtual void Guard(const std::function<void()>& command) = 0;
  // The staff is cleared and a new question asked, as after a key command: what was chosen
  // changes the question at once. Nothing in the reverse exercise, which asks nothing.
  virtual void AskAnew() = 0;
};

}  // namespace lintra::coach

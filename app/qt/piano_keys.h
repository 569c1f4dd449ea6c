// The piano keys from the computer's keyboard: the arrows move to the next key up or down (black
// keys included) and up and down by an octave, Home and End to the ends, a letter to the next white
// key of that name; Space presses the key as Enter does.
#pragma once

#include <QObject>
#include <vector>

namespace lintra::controls {
class TGradBtn;
}

namespace lintra::frontend {

class PianoKeyNavigation : public QObject {
 public:
  // `keys` in chromatic order, F1 to B4; each is watched from now on. They are named (their
  // accessible names) as the student hears them.
  PianoKeyNavigation(std::vector<controls::TGradBtn*> keys, QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<controls::TGradBtn*> keys_;
};

}  // namespace lintra::frontend

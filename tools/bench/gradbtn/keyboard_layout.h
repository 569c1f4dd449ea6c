#pragma once
// The 43-key keyboard and the two command buttons at their design places, built from gradient buttons
// for the benchmark and the picture. Positions and sizes are multiplied by `scale`.

#include <vector>

#include "controls/gradbtn.h"

class QWidget;

namespace lintra::bench {

struct Keyboard {
  std::vector<controls::TGradBtn*> whiteKeys;
  std::vector<controls::TGradBtn*> blackKeys;
  controls::TGradBtn* startButton = nullptr;
  controls::TGradBtn* ansDisplay = nullptr;
};

// Adds the keys to `parent`, white keys first so that every black key lies above its neighbours.
// With captions the white keys carry their letter names.
Keyboard BuildKeyboard(QWidget* parent, double scale, bool captions);

// The two command buttons beside the staff.
void AddCommandButtons(QWidget* parent, double scale, Keyboard& keyboard);

}  // namespace lintra::bench

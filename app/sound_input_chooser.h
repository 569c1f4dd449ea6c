// The small dialog of "Microphone" > "Sound Input...": the sound inputs to choose from and a level
// meter, behind a seam so that the scenario runner answers it from its script.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "listen/capture_service.h"

namespace lintra::app {

struct SoundInputChoice {
  std::vector<listen::CaptureDevice> devices;
  std::string current;     // the input chosen so far; empty: the system's default input
  bool listening = false;  // the meter moves only while "Answer by Microphone" is on
  // Listens to an input while the dialog shows it chosen (empty: the default input); why it
  // cannot, in words, or empty.
  std::function<std::string(const std::string& device)> tryDevice;
  // The loudest sample since the last call, 0 to 1.
  std::function<float()> level;
};

class SoundInputChooser {
 public:
  virtual ~SoundInputChooser() = default;
  // The input chosen (empty: the system's default input), or nothing when cancelled.
  virtual std::optional<std::string> ChooseSoundInput(const SoundInputChoice& choice) = 0;
};

}  // namespace lintra::app

#pragma once

namespace lintra::midi {

// MIDI note numbers from `lowest` to `highest`, both played.
struct KeyRange {
  int lowest = 0;
  int highest = 127;
};

}  // namespace lintra::midi

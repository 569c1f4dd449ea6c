// One note heard, as the trainer takes it: the note, how far off its pitch
// was, and when it started and was recognized (input frames from the start
// of the stream, so that the detection's latency can be taken off a response
// time).
#pragma once

#include <cstdint>

namespace lintra::listen {

struct NoteAnswer {
  int note = 0;      // MIDI note number; 60 is middle C
  double cents = 0;  // the pitch heard minus the note's, -50 to 50
  std::int64_t onsetFrame = 0;
  std::int64_t answerFrame = 0;
};

}  // namespace lintra::listen

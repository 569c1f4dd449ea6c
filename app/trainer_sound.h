// What the trainer itself sounds through the speakers, as the microphone must know it so as not to
// take it for an answer: from a note-on until every note switched on is off again, and no longer
// than a note lasts with "Sustain Off" after the last note-on. A note held on (with the sustain on,
// or the error signal, which no note-off ends) then only rings on: it makes no new onset, which is
// all the detector answers, while the student must be able to answer over it.
#pragma once

#include <bitset>
#include <cstdint>
#include <functional>
#include <optional>

#include "midi/messages.h"

namespace lintra::app {

class TrainerSound {
 public:
  // As long as a note sounds with "Sustain Off" (the note-off timer's interval).
  static constexpr std::int64_t kLongestMs = 800;

  // `changed(true)` when the trainer starts sounding (again, with each new note), `changed(false)`
  // when it has ended.
  explicit TrainerSound(std::function<void(bool sounding)> changed) : changed_(std::move(changed)) {}

  // A message the window sends at `nowMs` (time of day).
  void Sent(const midi::ShortMessage& message, std::int64_t nowMs);
  // Ends the sounding once its longest time has passed.
  void Tick(std::int64_t nowMs);
  bool Sounding() const { return lastOnMs_.has_value(); }

 private:
  void End();

  std::function<void(bool)> changed_;
  std::bitset<128> on_;
  std::optional<std::int64_t> lastOnMs_;
};

}  // namespace lintra::app

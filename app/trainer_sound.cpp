#include "app/trainer_sound.h"

#include "ui/clock.h"

namespace lintra::app {

void TrainerSound::Sent(const midi::ShortMessage& message, std::int64_t nowMs) {
  const int kind = message.status & 0xF0;
  const bool noteOn = kind == 0x90 && message.data2 > 0;
  const bool noteOff = kind == 0x80 || (kind == 0x90 && message.data2 == 0);
  if (noteOn) {
    on_.set(message.data1 & 0x7F);
    lastOnMs_ = nowMs;
    changed_(true);
  } else if (noteOff) {
    on_.reset(message.data1 & 0x7F);
    if (on_.none()) End();
  }
}

void TrainerSound::Tick(std::int64_t nowMs) {
  // Times of day: a note sounded just before midnight ends just after it.
  if (lastOnMs_ && (nowMs - *lastOnMs_ + ui::kMsPerDay) % ui::kMsPerDay >= kLongestMs) End();
}

void TrainerSound::End() {
  on_.reset();  // a note held past the longest time rings on unheeded, its note-off or not
  if (!lastOnMs_) return;
  lastOnMs_.reset();
  changed_(false);
}

}  // namespace lintra::app

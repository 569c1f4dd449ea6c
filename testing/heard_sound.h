// What a scripted sound input hears as the manual clock moves: a faint room noise and the notes it
// is told of, delivered to the running capture every few milliseconds of the clock's time, as a
// sound system's callback delivers them. Nothing is delivered while no capture runs.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "testing/fake_capture_service.h"
#include "testing/manual_clock.h"
#include "testing/pink_noise.h"
#include "testing/tone.h"

namespace lintra::testing {

class HeardSound {
 public:
  static constexpr int kPeriodMs = 5;

  HeardSound(ui::ManualClock& clock, FakeCaptureService& capture);

  // `note` (a MIDI number, cents allowed) is heard from `delayMs` on for `ms`, as a struck string.
  void Hear(double note, int ms, int delayMs = 0);
  // Every note `note` heard ends now (a key let go, a note-off).
  void Release(int note);

 private:
  struct Sound {
    Tone tone;
    std::int64_t from = 0;  // frames of the sound heard
    std::int64_t to = 0;
  };

  void Deliver();

  FakeCaptureService& capture_;
  std::unique_ptr<ui::Timer> timer_;
  PinkNoise noise_;
  std::vector<Sound> sounds_;
  std::vector<float> block_;
  std::int64_t frame_ = 0;  // of the next delivery
};

}  // namespace lintra::testing

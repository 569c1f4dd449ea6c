// Finds the moments a note starts: the energy of the last few hops (at least
// a period of the lowest note, so that a low note's own waveform does not
// ripple through it) rising well above the lowest it was over the tenth of a
// second before. After an onset the tracker waits for the note to fall back
// from its peak before it looks for the next, and then measures the rise
// from there: a note that rings on or decays gives one onset, and one struck
// again over its own ringing gives another only when it is clearly louder
// than that ring. A deep swell of a sustained note gives one too: the
// detector tells those by their pitch.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

namespace lintra::listen {

struct OnsetSettings {
  double riseRatio = 6.0;   // energy over the recent lowest (about 8 dB)
  int levelHops = 6;        // the hops the energy is averaged over
  double quietest = 2e-7;   // mean square below which nothing starts (-67 dBFS)
  int lookBackHops = 40;    // how far back the lowest is looked for
  int settleHops = 3;       // the most recent hops, left out of that (the rise itself)
  int refractoryHops = 12;  // after an onset, the attack does not start another
  double rearmRatio = 0.5;  // the fall from the note's peak that lets another start (3 dB)
};

class OnsetTracker {
 public:
  explicit OnsetTracker(OnsetSettings settings = {}) : settings_(settings) {}

  // The mean square of the newest hop. When a note starts, how many hops
  // back it started (0: in the newest one).
  std::optional<int> Push(double hopEnergy) noexcept;
  // The energy averaged over the last hops.
  double Level() const { return smoothed_[newest_]; }

 private:
  static constexpr std::size_t kHistory = 64;

  OnsetSettings settings_;
  std::array<double, kHistory> hops_{};      // each hop's energy, newest at `newest_`
  std::array<double, kHistory> smoothed_{};  // the level at each hop
  std::size_t newest_ = 0;
  double levelSum_ = 0;
  int sinceOnset_ = 1 << 20;
  int sinceArmed_ = 0;  // the rise is measured from hops after this many back
  bool armed_ = true;
  double peak_ = 0;
};

}  // namespace lintra::listen

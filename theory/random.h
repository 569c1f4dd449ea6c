// The program's one random generator: a 32-bit linear congruential generator
// seeded from the time of day, so that a scripted clock reproduces every pick.
// It lives here, below every folder that draws from it: the question pick of app/
// and the weak-note pick of practice/ must make the same draws.
#pragma once

#include <cstdint>

namespace lintra::theory {

class Random {
 public:
  void Seed(std::int64_t timeOfDayMs) { state_ = static_cast<std::uint32_t>(timeOfDayMs); }
  // Uniform below n: the high 32 bits of state x n after one step.
  std::uint32_t Below(std::uint32_t n) {
    state_ = state_ * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(state_) * n) >> 32);
  }
  std::uint32_t State() const { return state_; }

 private:
  std::uint32_t state_ = 0;
};

}  // namespace lintra::theory

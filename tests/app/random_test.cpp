#include "app/random.h"

#include <gtest/gtest.h>

#include <vector>

namespace lintra::app {
namespace {

std::vector<std::uint32_t> Draws(std::int64_t seed, std::uint32_t below, int count) {
  Random random;
  random.Seed(seed);
  std::vector<std::uint32_t> draws;
  for (int i = 0; i < count; ++i) draws.push_back(random.Below(below));
  return draws;
}

TEST(Random, ReproducesTheDrawsOfTheClockSeed) {
  // 12:00:00.010, the first tick after a start at noon: 24 + 35 is not a C major
  // slot, 25 + 35 is E4.
  EXPECT_EQ(Draws(43200010, 35, 5), (std::vector<std::uint32_t>{24, 25, 6, 33, 13}));
  // 12:00:01.231: a modulation that draws C major first and draws again.
  EXPECT_EQ(Draws(43201231, 24, 3), (std::vector<std::uint32_t>{0, 18, 4}));
  // 23:59:59.999, the last millisecond of the day.
  EXPECT_EQ(Draws(86399999, 70, 3), (std::vector<std::uint32_t>{50, 69, 23}));
}

TEST(Random, StepsTheStateModulo2To32) {
  Random random;
  random.Seed(86399999);
  random.Below(70);
  random.Below(70);
  random.Below(70);
  EXPECT_EQ(random.State(), 1451879330u);
}

TEST(Random, StaysBelowTheBound) {
  Random random;
  random.Seed(0);
  EXPECT_EQ(random.Below(70), 0u) << "state 1 is far below one seventieth of 2^32";
  for (std::uint32_t bound : {1u, 2u, 24u, 35u, 70u, 0xFFFFFFFFu}) {
    for (int i = 0; i < 1000; ++i) ASSERT_LT(random.Below(bound), bound);
  }
}

}  // namespace
}  // namespace lintra::app

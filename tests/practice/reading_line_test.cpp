#include "practice/reading_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "tests/practice/practice_testing.h"
#include "theory/keys.h"

namespace lintra::practice {
namespace {

using fixtures::Slot;
using Slots = std::vector<theory::NoteSlot>;

std::span<const theory::NoteSlot> PoolOf(theory::KeyId key) { return theory::FindKey(key)->pool; }

Slots Draw(std::uint32_t seed, const Slots& candidates, LineRules rules, std::span<const std::uint32_t> weights = {}) {
  theory::Random random;
  random.Seed(seed);
  return DrawLine(random, candidates, rules, weights);
}

TEST(ReadingLine, CandidatesAreThePoolsNotesInTheClefAndTheStudentsRange) {
  // Alto C major: C2 (the viola's low C) to E4; the pool's repeated line counts once.
  const Slots alto = LineCandidates(PoolOf(theory::KeyId::CMajor), false, ClefRange::Alto, {});
  EXPECT_EQ(alto.front(), Slot("C2"));
  EXPECT_EQ(alto.back(), Slot("E4"));
  EXPECT_EQ(alto.size(), 17u);
  EXPECT_TRUE(std::is_sorted(alto.begin(), alto.end()));
  // The student's keys narrow it, by what the notes sound: B#2 sounds middle C.
  const Slots middle = LineCandidates(PoolOf(theory::KeyId::CSharpMinor), false, ClefRange::Tenor, {60, 64});
  EXPECT_EQ(middle, (Slots{Slot("B#2"), Slot("C#3"), Slot("D#3"), Slot("E3")}));
  EXPECT_EQ(LineCandidates(PoolOf(theory::KeyId::CMajor), false, ClefRange::Treble, {41, 50}), Slots{});
  // The chromatic scale offers every spelling up to A4.
  const Slots chromatic = LineCandidates({}, true, ClefRange::Grand, {});
  EXPECT_EQ(chromatic.size(), 70u);
  EXPECT_EQ(LineCandidates({}, true, ClefRange::Treble, {}).front(), Slot("Db3"));
}

TEST(ReadingLine, EachStepStaysWithinTheLargestLeapAndNoNoteFollowsItself) {
  const Slots candidates = LineCandidates(PoolOf(theory::KeyId::DMajor), false, ClefRange::Grand, {});
  for (const Leap leap : {Leap::Third, Leap::Fifth, Leap::Octave}) {
    int widest = 0;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
      const Slots line = Draw(seed, candidates, {8, leap});
      ASSERT_EQ(line.size(), 8u);
      for (std::size_t i = 0; i < line.size(); ++i) {
        EXPECT_TRUE(std::binary_search(candidates.begin(), candidates.end(), line[i]));
        if (i == 0) continue;
        EXPECT_NE(line[i], line[i - 1]);
        const int step = std::abs(LetterStep(line[i]) - LetterStep(line[i - 1]));
        EXPECT_LE(step, LeapSteps(leap));
        widest = std::max(widest, step);
      }
    }
    EXPECT_EQ(widest, LeapSteps(leap));  // the largest leap is taken too
  }
  EXPECT_EQ(Draw(7, candidates, {6, Leap::Fifth}), Draw(7, candidates, {6, Leap::Fifth}));
  EXPECT_NE(Draw(7, candidates, {6, Leap::Fifth}), Draw(8, candidates, {6, Leap::Fifth}));
}

TEST(ReadingLine, DrawsOncePerNoteAndCopesWithFewOrFarCandidates) {
  theory::Random random;
  random.Seed(99);
  theory::Random stepped = random;
  DrawLine(random, LineCandidates(PoolOf(theory::KeyId::CMajor), false, ClefRange::Alto, {}), {6, Leap::Third});
  for (int i = 0; i < 6; ++i) stepped.Below(2);
  EXPECT_EQ(random.State(), stepped.State());

  // Two octaves apart, beyond a third: the nearest note is taken. One note alone is repeated.
  EXPECT_EQ(Draw(3, {Slot("C2"), Slot("C4")}, {4, Leap::Third}).size(), 4u);
  const Slots apart = Draw(3, {Slot("C2"), Slot("C4")}, {4, Leap::Third});
  for (std::size_t i = 1; i < apart.size(); ++i) EXPECT_NE(apart[i], apart[i - 1]);
  EXPECT_EQ(Draw(3, {Slot("G3")}, {4, Leap::Octave}), (Slots(4, Slot("G3"))));
  EXPECT_TRUE(Draw(3, {}, {4, Leap::Octave}).empty());
}

TEST(ReadingLine, WeightsLeanTheDrawAndWeightlessOnesAreNeverDrawnBesideThem) {
  const Slots candidates{Slot("C3"), Slot("D3"), Slot("E3"), Slot("F3")};
  const std::vector<std::uint32_t> weights{0, 1'000'000, 0, 50'000};
  const auto count = [&](LineRules rules, std::span<const std::uint32_t> w) {
    std::vector<int> drawn(candidates.size(), 0);
    for (std::uint32_t seed = 1; seed <= 2000; ++seed) {
      for (const auto slot : Draw(seed, candidates, rules, w)) {
        ++drawn[static_cast<std::size_t>(std::find(candidates.begin(), candidates.end(), slot) - candidates.begin())];
      }
    }
    return drawn;
  };
  // The first note in proportion to the weights: D3 about twenty times as often as F3.
  const std::vector<int> first = count({1, Leap::Octave}, weights);
  EXPECT_EQ(first[0] + first[2], 0);
  EXPECT_GT(first[1], 12 * first[3]);
  EXPECT_GT(first[3], 0);
  const std::vector<int> lines = count({8, Leap::Octave}, weights);
  EXPECT_EQ(lines[0] + lines[2], 0);
  // Within a third of C3 only D3 and E3 weigh anything; beyond the scale of one draw they are
  // halved alike; weights that do not match the candidates are left aside.
  const std::vector<std::uint32_t> huge{4'000'000'000u, 4'000'000'000u, 0, 4'000'000'000u};
  for (const auto slot : Draw(5, candidates, {8, Leap::Third}, huge)) EXPECT_NE(slot, Slot("E3"));
  const std::vector<std::uint32_t> mismatched{1, 2};
  EXPECT_EQ(Draw(5, candidates, {8, Leap::Fifth}, mismatched), Draw(5, candidates, {8, Leap::Fifth}));
}

}  // namespace
}  // namespace lintra::practice

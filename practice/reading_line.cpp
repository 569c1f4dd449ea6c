#include "practice/reading_line.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace lintra::practice {
namespace {

constexpr int kChromaticSlots = 70;  // F1 to A4, as the chromatic question pick asks

// One draw among the candidates at `reach`: uniform where they weigh nothing.
std::size_t Choose(theory::Random& random, const std::vector<std::size_t>& reach,
                   std::span<const std::uint32_t> weights) {
  std::uint64_t total = 0;
  if (!weights.empty()) {
    for (const std::size_t i : reach) total += weights[i];
  }
  if (total == 0) return reach[random.Below(static_cast<std::uint32_t>(reach.size()))];
  // Weights of the caller's own making may add up beyond what one draw spans: all are halved
  // alike until they fit.
  int shift = 0;
  while ((total >> shift) > std::numeric_limits<std::uint32_t>::max()) ++shift;
  std::uint64_t scaled = 0;
  for (const std::size_t i : reach) scaled += weights[i] >> shift;
  std::uint64_t draw = random.Below(static_cast<std::uint32_t>(scaled));
  for (const std::size_t i : reach) {
    const std::uint64_t weight = weights[i] >> shift;
    if (draw < weight) return i;
    draw -= weight;
  }
  return reach.back();
}

// The candidates the note after `previous` may be: those within the leap, else the nearest ones,
// else (the previous note is the only candidate) the previous note again.
std::vector<std::size_t> InReach(std::span<const theory::NoteSlot> candidates, theory::NoteSlot previous, int leap) {
  const auto distance = [&](std::size_t i) { return std::abs(LetterStep(candidates[i]) - LetterStep(previous)); };
  int nearest = std::numeric_limits<int>::max();
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (candidates[i] != previous) nearest = std::min(nearest, distance(i));
  }
  const bool alone = nearest == std::numeric_limits<int>::max();
  const int limit = std::max(leap, nearest);
  std::vector<std::size_t> reach;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (alone ? candidates[i] == previous : candidates[i] != previous && distance(i) <= limit) reach.push_back(i);
  }
  return reach;
}

}  // namespace

int LeapSteps(Leap leap) {
  switch (leap) {
    case Leap::Third:
      return 2;
    case Leap::Fifth:
      return 4;
    case Leap::Octave:
      return 7;
  }
  return 2;
}

std::vector<theory::NoteSlot> LineCandidates(std::span<const theory::NoteSlot> pool, bool chromatic, ClefRange range,
                                             theory::NoteRange keys) {
  const SlotRun run = SlotsOf(range);
  std::vector<theory::NoteSlot> candidates;
  for (int slot = run.first; slot <= run.last; ++slot) {
    const bool inPool = chromatic ? slot < kChromaticSlots : std::find(pool.begin(), pool.end(), slot) != pool.end();
    if (inPool && keys.Contains(theory::SpelledNoteTable().at(static_cast<std::size_t>(slot)).midiNote)) {
      candidates.push_back(static_cast<theory::NoteSlot>(slot));
    }
  }
  return candidates;
}

std::vector<theory::NoteSlot> DrawLine(theory::Random& random, std::span<const theory::NoteSlot> candidates,
                                       const LineRules& rules, std::span<const std::uint32_t> weights) {
  std::vector<theory::NoteSlot> line;
  if (candidates.empty()) return line;
  // Weights that do not match the candidates one for one are no weights at all.
  if (weights.size() != candidates.size()) weights = {};
  std::vector<std::size_t> everyone(candidates.size());
  for (std::size_t i = 0; i < everyone.size(); ++i) everyone[i] = i;
  while (line.size() < rules.length) {
    const std::vector<std::size_t> reach =
        line.empty() ? everyone : InReach(candidates, line.back(), LeapSteps(rules.largestLeap));
    line.push_back(candidates[Choose(random, reach, weights)]);
  }
  return line;
}

}  // namespace lintra::practice

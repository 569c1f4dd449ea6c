// A line of notes read in a row: which notes it may hold, and drawing one.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "practice/clef_range.h"
#include "theory/note_range.h"
#include "theory/note_table.h"
#include "theory/random.h"

namespace lintra::practice {

inline constexpr std::array<std::size_t, 3> kLineLengths{4, 6, 8};

// The largest step from one note of a line to the next, counted on the staff: a third is two
// letter steps, a fifth four, an octave seven.
enum class Leap { Third, Fifth, Octave };
int LeapSteps(Leap leap);

struct LineRules {
  std::size_t length = kLineLengths.front();
  Leap largestLeap = Leap::Fifth;
};

// The notes a line may hold, each once and ascending: the pool's slots (every slot up to A4 for
// the chromatic scale) in the clef range that sound within the student's range of keys.
std::vector<theory::NoteSlot> LineCandidates(std::span<const theory::NoteSlot> pool, bool chromatic, ClefRange range,
                                             theory::NoteRange keys);

// `rules.length` notes: the first from every candidate, each next one from the candidates within
// the largest leap of the one before, never the same slot twice running while another is in
// reach; where no other is in reach, the nearest ones. One draw of `random` (a single Below) per
// note, uniform, or in proportion to `weights` (one per candidate, as WeakNotePick::Weights gives
// them) where those in reach weigh anything at all. No candidates, no line.
std::vector<theory::NoteSlot> DrawLine(theory::Random& random, std::span<const theory::NoteSlot> candidates,
                                       const LineRules& rules, std::span<const std::uint32_t> weights = {});

}  // namespace lintra::practice

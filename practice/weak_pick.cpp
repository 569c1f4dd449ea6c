#include "practice/weak_pick.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace lintra::practice {
namespace {

constexpr double kWeightScale = 1'000'000.0;
constexpr double kLeastFloor = 0.1;  // of the tuning's floor, for a note that looks fluent

}  // namespace

WeakNotePick::WeakNotePick(WeakPickTuning tuning) : tuning_(tuning) {}

std::vector<std::uint32_t> WeakNotePick::Weights(std::span<const theory::NoteSlot> candidates, std::int64_t nowUtcMs) {
  std::vector<std::uint32_t> weights;
  if (candidates.empty()) return weights;
  recall_.MeetPool(candidates);
  const std::vector<double> need = recall_.QuestionsTo(tuning_.fluentRecall, candidates, nowUtcMs, tuning_.confidence);
  const double most = *std::max_element(need.begin(), need.end());
  weights.reserve(candidates.size());
  for (const double n : need) {
    // Below the sharp share, a floor that still ranks the notes by need: a note half learnt is
    // asked several times as often as a fluent one, and no note is ever left out.
    const double graded = most > 0.0 ? std::clamp(n / most, kLeastFloor, 1.0) : 1.0;
    const double share = std::max(tuning_.floor * graded, std::exp(-tuning_.sharpness * (most - n)));
    weights.push_back(static_cast<std::uint32_t>(std::lround(share * kWeightScale)));
  }
  return weights;
}

theory::NoteSlot WeakNotePick::Pick(theory::Random& random, std::span<const theory::NoteSlot> candidates,
                                    std::int64_t nowUtcMs) {
  if (candidates.empty()) throw std::invalid_argument("The weak-note pick has no candidate");
  const std::vector<std::uint32_t> weights = Weights(candidates, nowUtcMs);
  std::uint64_t total = 0;
  for (const std::uint32_t w : weights) total += w;
  // Every weight lies in [floor / 10, 1] x the scale: 73 candidates stay far below 2^32.
  std::uint32_t draw = random.Below(static_cast<std::uint32_t>(total));
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (draw < weights[i]) return candidates[i];
    draw -= weights[i];
  }
  return candidates.back();
}

std::vector<theory::NoteSlot> QuestionCandidates(std::span<const std::string> poolLines, bool chromatic, int trebleClef,
                                                 int pickRange, int currentSlot) {
  const auto inPool = [&](int slot) {
    if (chromatic) return true;
    const std::string text = std::to_string(slot);
    return std::find(poolLines.begin(), poolLines.end(), text) != poolLines.end();
  };
  const int first = chromatic ? 0 : (trebleClef == 1 ? 35 : 0);
  const int count = chromatic ? 70 : pickRange;
  std::vector<theory::NoteSlot> candidates;
  for (int slot = first; slot < first + count && slot < static_cast<int>(theory::kNoteSlotCount); ++slot) {
    if (slot != currentSlot && inPool(slot)) candidates.push_back(static_cast<theory::NoteSlot>(slot));
  }
  // The plain pick turns a draw of the current slot into the slot three above it.
  const int above = currentSlot + 3;
  if (currentSlot >= first && currentSlot < first + count && above < static_cast<int>(theory::kNoteSlotCount) &&
      inPool(above) && std::find(candidates.begin(), candidates.end(), above) == candidates.end()) {
    candidates.push_back(static_cast<theory::NoteSlot>(above));
  }
  return candidates;
}

}  // namespace lintra::practice

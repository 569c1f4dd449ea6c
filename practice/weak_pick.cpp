#include "practice/weak_pick.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace lintra::practice {
namespace {

// The hypotheses weighed: how much of the gap to perfect recall one question closes, how much of
// the gained recall fades per question asked, and where a note's recall starts.
constexpr std::array<double, 7> kLearn{0.03, 0.05, 0.08, 0.12, 0.17, 0.23, 0.30};
constexpr std::array<double, 4> kFade{0.0, 0.0003, 0.001, 0.003};
constexpr std::size_t kStarts = 20;
constexpr std::size_t kLearners = kLearn.size() * kFade.size();
constexpr std::size_t kHypotheses = kLearners * kStarts;
constexpr double kWeightScale = 1'000'000.0;
constexpr double kLeastFloor = 0.1;  // of the tuning's floor, for a note that looks fluent
constexpr std::int64_t kLearnStartsEvery = 25;
// What the pool's notes tell of where notes start outweighs this (per start) soon: a pool of
// similar notes makes a note with a few lucky answers look no better than its neighbours.
constexpr double kStartPseudoCount = 0.3;
// Where notes start is learnt apart for the pool's two lowest and two highest notes, the ones on
// ledger lines, which students find harder than the notes on the staff; a pool of fewer notes is
// learnt as one.
constexpr std::size_t kEdgeNotes = 2;
constexpr std::size_t kLeastForEdges = 6;
enum Group : std::size_t { kInner, kEdge, kGroups };

double Start(std::size_t s) { return (static_cast<double>(s) + 0.5) / static_cast<double>(kStarts); }

double LogSumExp(const double* values, std::size_t count) {
  double top = values[0];
  for (std::size_t i = 1; i < count; ++i) top = std::max(top, values[i]);
  double sum = 0.0;
  for (std::size_t i = 0; i < count; ++i) sum += std::exp(values[i] - top);
  return top + std::log(sum);
}

}  // namespace

struct WeakNotePick::Model {
  struct Note {
    bool asked = false;
    std::int64_t lastAsked = 0;
    std::array<double, kHypotheses> recall{};  // at lastAsked, after that question's practice
    std::array<double, kHypotheses> logLikelihood{};
    std::array<double, kLearners> logMarginal{};  // over the starts (0 for a note never asked)
    Group group = kInner;
  };
  Model() {
    for (auto& group : logStartPrior)
      for (auto& prior : group) prior.fill(-std::log(double{kStarts}));
    for (Note& note : notes) {
      for (std::size_t h = 0; h < kHypotheses; ++h) note.recall[h] = Start(h % kStarts);
    }
  }
  // Marginal of one note under one learner hypothesis, with the starts weighed by the prior.
  double Marginal(const Note& note, std::size_t learner) const {
    std::array<double, kStarts> terms{};
    for (std::size_t s = 0; s < kStarts; ++s) {
      terms[s] = logStartPrior[note.group][learner][s] + note.logLikelihood[learner * kStarts + s];
    }
    return LogSumExp(terms.data(), kStarts);
  }
  // Where notes start is learnt from all the notes asked so far (one step of expectation
  // maximisation at a time): a note asked a few times is judged like the others until its own
  // answers say otherwise.
  void LearnStarts() {
    for (std::size_t learner = 0; learner < kLearners; ++learner) {
      for (std::size_t group = 0; group < kGroups; ++group) {
        auto& prior = logStartPrior[group][learner];
        std::array<double, kStarts> mass;
        mass.fill(kStartPseudoCount);
        for (const Note& note : notes) {
          if (!note.asked || note.group != group) continue;
          for (std::size_t s = 0; s < kStarts; ++s) {
            mass[s] += std::exp(prior[s] + note.logLikelihood[learner * kStarts + s] - note.logMarginal[learner]);
          }
        }
        double total = 0.0;
        for (const double m : mass) total += m;
        for (std::size_t s = 0; s < kStarts; ++s) prior[s] = std::log(mass[s] / total);
      }
    }
    WeighAgain();
  }
  // The pool grows with every candidate not seen before; its edges move with it.
  void Meet(std::span<const theory::NoteSlot> candidates) {
    bool grown = false;
    for (const theory::NoteSlot slot : candidates) {
      if (!inPool.at(slot)) inPool[slot] = grown = true;
    }
    if (!grown) return;
    std::vector<std::size_t> pool;
    for (std::size_t slot = 0; slot < inPool.size(); ++slot) {
      notes[slot].group = kInner;
      if (inPool[slot]) pool.push_back(slot);
    }
    if (pool.size() >= kLeastForEdges) {
      for (std::size_t k = 0; k < kEdgeNotes; ++k) {
        notes[pool[k]].group = kEdge;
        notes[pool[pool.size() - 1 - k]].group = kEdge;
      }
    }
    WeighAgain();
  }
  void WeighAgain() {
    for (std::size_t learner = 0; learner < kLearners; ++learner) {
      learnerLog[learner] = 0.0;
      for (Note& note : notes) {
        if (!note.asked) continue;
        note.logMarginal[learner] = Marginal(note, learner);
        learnerLog[learner] += note.logMarginal[learner];
      }
    }
  }
  std::array<Note, theory::kNoteSlotCount> notes;
  std::array<double, kLearners> learnerLog{};  // the sum of every note's marginal
  std::array<std::array<std::array<double, kStarts>, kLearners>, kGroups> logStartPrior;
  std::array<bool, theory::kNoteSlotCount> inPool{};
};

WeakNotePick::WeakNotePick(WeakPickTuning tuning) : tuning_(tuning), model_(std::make_unique<Model>()) {}
WeakNotePick::~WeakNotePick() = default;

void WeakNotePick::Observe(theory::NoteSlot slot, bool right, std::int64_t responseMs) {
  Model::Note& note = model_->notes.at(slot);
  const double elapsed = static_cast<double>(questions_ - note.lastAsked);
  const bool slow = right && static_cast<double>(responseMs) > tuning_.slowMs;
  const double rightShare = !right ? 0.0 : slow ? 0.5 : 1.0;
  for (std::size_t learner = 0; learner < kLearners; ++learner) {
    const double learn = kLearn[learner / kFade.size()];
    const double kept = std::pow(1.0 - kFade[learner % kFade.size()], elapsed);
    for (std::size_t s = 0; s < kStarts; ++s) {
      const std::size_t h = learner * kStarts + s;
      const double start = Start(s);
      const double now = std::clamp(start + (note.recall[h] - start) * kept, 1e-4, 1.0 - 1e-4);
      note.logLikelihood[h] += rightShare * std::log(now) + (1.0 - rightShare) * std::log(1.0 - now);
      note.recall[h] = now + learn * (1.0 - now);
    }
    model_->learnerLog[learner] -= note.logMarginal[learner];
    note.logMarginal[learner] = model_->Marginal(note, learner);
    model_->learnerLog[learner] += note.logMarginal[learner];
  }
  note.asked = true;
  ++questions_;
  note.lastAsked = questions_;
  if (questions_ % kLearnStartsEvery == 0) model_->LearnStarts();
}

std::size_t WeakNotePick::LikeliestLearner() const {
  const auto& log = model_->learnerLog;
  return static_cast<std::size_t>(std::max_element(log.begin(), log.end()) - log.begin());
}

double WeakNotePick::Judge(theory::NoteSlot slot, std::size_t learner, bool remaining) const {
  const Model::Note& note = model_->notes.at(slot);
  const double elapsed = static_cast<double>(questions_ - note.lastAsked);
  const double kept = std::pow(1.0 - kFade[learner % kFade.size()], elapsed);
  const double marginal = model_->Marginal(note, learner);
  const double perQuestion = std::log(1.0 - kLearn[learner / kFade.size()]);
  // The starts in rising order give rising recalls now: the first ones that hold the share of
  // doubt left by the confidence decide how many questions the note may still need.
  double mass = 0.0;
  for (std::size_t s = 0; s < kStarts; ++s) {
    const std::size_t h = learner * kStarts + s;
    const double start = Start(s);
    const double now = start + (note.recall[h] - start) * kept;
    if (!remaining && now >= tuning_.fluentRecall) break;
    mass += std::exp(model_->logStartPrior[note.group][learner][s] + note.logLikelihood[h] - marginal);
    if (remaining && (mass >= 1.0 - tuning_.confidence || s + 1 == kStarts)) {
      return std::log((1.0 - tuning_.fluentRecall) / (1.0 - now)) / perQuestion;
    }
  }
  return mass;
}

double WeakNotePick::NotFluentChance(theory::NoteSlot slot) const { return Judge(slot, LikeliestLearner(), false); }
double WeakNotePick::QuestionsToFluent(theory::NoteSlot slot) const { return Judge(slot, LikeliestLearner(), true); }

void WeakNotePick::MeetPool(std::span<const theory::NoteSlot> pool) { model_->Meet(pool); }

std::vector<std::uint32_t> WeakNotePick::Weights(std::span<const theory::NoteSlot> candidates) {
  model_->Meet(candidates);
  const std::size_t learner = LikeliestLearner();
  std::vector<double> need;
  need.reserve(candidates.size());
  for (const theory::NoteSlot slot : candidates) need.push_back(Judge(slot, learner, true));
  std::vector<std::uint32_t> weights;
  if (need.empty()) return weights;
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

theory::NoteSlot WeakNotePick::Pick(theory::Random& random, std::span<const theory::NoteSlot> candidates) {
  if (candidates.empty()) throw std::invalid_argument("The weak-note pick has no candidate");
  const std::vector<std::uint32_t> weights = Weights(candidates);
  std::uint64_t total = 0;
  for (const std::uint32_t weight : weights) total += weight;
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

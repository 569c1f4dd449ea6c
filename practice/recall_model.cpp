#include "practice/recall_model.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace lintra::practice {
namespace {

// The students weighed: every combination of these rates.
constexpr std::array<double, 7> kLearn{0.03, 0.05, 0.08, 0.12, 0.17, 0.23, 0.30};
constexpr std::array<double, 5> kFirstStabilityHours{1.0, 2.5, 6.0, 15.0, 40.0};
constexpr std::array<double, 4> kGrowth{0.5, 1.0, 2.0, 4.0};
constexpr std::array<double, 2> kLapse{0.5, 0.9};
constexpr std::size_t kLearners = kLearn.size() * kFirstStabilityHours.size() * kGrowth.size() * kLapse.size();
constexpr std::size_t kFloors = 20;
constexpr double kMsPerHour = 3'600'000.0;
constexpr double kSittingGapHours = 3.0;
// Stability stays within a minute and ten years, whatever a run of answers does to it.
constexpr double kLeastStabilityHours = 1.0 / 60.0;
constexpr double kMostStabilityHours = 24.0 * 3653.0;
// Where floors lie is learnt from the notes asked every so many answers; what the pool's notes
// tell outweighs this pseudo-count (per floor) soon.
constexpr std::int64_t kLearnFloorsEvery = 25;
constexpr double kFloorPseudoCount = 0.3;
// A student this many nats less likely than the likeliest is dropped: e^-30 never tips a pick.
constexpr double kDropBelowNats = 30.0;
constexpr double kNegligible = 1e-3;  // of the likeliest student's chance
constexpr std::size_t kEdgeNotes = 2;
constexpr std::size_t kLeastForEdges = 6;
enum Group : std::size_t { kInner, kEdge, kGroups };

constexpr double Floor(std::size_t s) { return (static_cast<double>(s) + 0.5) / static_cast<double>(kFloors); }

LearnerRates RatesOf(std::size_t learner) {
  std::size_t k = learner;
  LearnerRates rates;
  rates.lapse = kLapse[k % kLapse.size()];
  k /= kLapse.size();
  rates.growth = kGrowth[k % kGrowth.size()];
  k /= kGrowth.size();
  rates.firstStabilityHours = kFirstStabilityHours[k % kFirstStabilityHours.size()];
  k /= kFirstStabilityHours.size();
  rates.learn = kLearn[k];
  return rates;
}

const std::array<LearnerRates, kLearners>& AllRates() {
  static const auto rates = [] {
    std::array<LearnerRates, kLearners> all;
    for (std::size_t h = 0; h < kLearners; ++h) all[h] = RatesOf(h);
    return all;
  }();
  return rates;
}

double HoursBetween(std::int64_t fromMs, std::int64_t toMs) {
  return toMs > fromMs ? static_cast<double>(toMs - fromMs) / kMsPerHour : 0.0;
}

}  // namespace

struct RecallModel::Model {
  using Floors = std::array<double, kFloors>;
  struct Note {
    int answers = 0;
    std::int64_t lastMs = 0;
    std::array<double, kLearners> held{};       // after the last answer's practice
    std::array<double, kLearners> stability{};  // hours
    // Per student, the chance of the note's answers under each floor, scaled so that the floors
    // weighed by their prior sum to one; logScale holds what the scaling took out.
    std::array<Floors, kLearners> likelihood{};
    std::array<double, kLearners> logScale{};
  };

  Model() {
    for (auto& group : prior)
      for (auto& floors : group) floors.fill(1.0 / kFloors);
    for (std::size_t h = 0; h < kLearners; ++h) alive.push_back(h);
  }

  // The students that matter, with their chances: the likeliest ones, together nearly certain.
  std::vector<std::pair<std::size_t, double>> Weighed() const {
    const double best = learnerLog[Likeliest()];
    std::vector<std::pair<std::size_t, double>> weighed;
    double total = 0.0;
    for (const std::size_t h : alive) {
      const double chance = std::exp(learnerLog[h] - best);
      if (chance < kNegligible) continue;
      weighed.emplace_back(h, chance);
      total += chance;
    }
    for (auto& entry : weighed) entry.second /= total;
    return weighed;
  }

  // The students still weighed, the likeliest first among equals by their order.
  std::size_t Likeliest() const {
    std::size_t best = alive.front();
    for (const std::size_t h : alive) {
      if (learnerLog[h] > learnerLog[best]) best = h;
    }
    return best;
  }

  // Scales a note's likelihoods under student `h` to its current prior, and counts what that took.
  void Rescale(Note& note, std::size_t h, Group group) {
    double marginal = 0.0;
    for (std::size_t s = 0; s < kFloors; ++s) marginal += prior[group][h][s] * note.likelihood[h][s];
    const double logMarginal = std::log(marginal);
    for (double& l : note.likelihood[h]) l /= marginal;
    note.logScale[h] += logMarginal;
    learnerLog[h] += logMarginal;
  }

  void RescaleAll() {
    for (std::size_t slot = 0; slot < notes.size(); ++slot) {
      if (!notes[slot]) continue;
      for (const std::size_t h : alive) Rescale(*notes[slot], h, group[slot]);
    }
  }

  // One step of expectation maximisation for where floors lie, per group and student.
  void LearnFloors() {
    for (const std::size_t h : alive) {
      for (std::size_t g = 0; g < kGroups; ++g) {
        Floors mass;
        mass.fill(kFloorPseudoCount);
        for (std::size_t slot = 0; slot < notes.size(); ++slot) {
          if (!notes[slot] || group[slot] != g) continue;
          for (std::size_t s = 0; s < kFloors; ++s) mass[s] += prior[g][h][s] * notes[slot]->likelihood[h][s];
        }
        double total = 0.0;
        for (const double m : mass) total += m;
        for (std::size_t s = 0; s < kFloors; ++s) prior[g][h][s] = mass[s] / total;
      }
    }
    RescaleAll();
    const double best = learnerLog[Likeliest()];
    std::erase_if(alive, [&](std::size_t h) { return learnerLog[h] < best - kDropBelowNats; });
  }

  void Meet(std::span<const theory::NoteSlot> slots) {
    bool grown = false;
    for (const theory::NoteSlot slot : slots) {
      if (!inPool.at(slot)) inPool[slot] = grown = true;
    }
    if (!grown) return;
    std::vector<std::size_t> pool;
    for (std::size_t slot = 0; slot < inPool.size(); ++slot) {
      group[slot] = kInner;
      if (inPool[slot]) pool.push_back(slot);
    }
    if (pool.size() >= kLeastForEdges) {
      for (std::size_t k = 0; k < kEdgeNotes; ++k) {
        group[pool[k]] = kEdge;
        group[pool[pool.size() - 1 - k]] = kEdge;
      }
    }
    RescaleAll();
  }

  void Observe(const FirstTry& answer) {
    auto& slot = notes.at(answer.slot);
    if (!slot) {
      slot = std::make_unique<Note>();
      for (const std::size_t h : alive) {
        slot->stability[h] = AllRates()[h].firstStabilityHours;
        slot->likelihood[h].fill(1.0);
      }
      slot->lastMs = answer.utcMs;
    }
    Note& note = *slot;
    const Group g = group[answer.slot];
    const double hours = HoursBetween(note.lastMs, answer.utcMs);
    const bool slow = answer.right && static_cast<double>(answer.responseMs) > kSlowAnswerMs;
    for (const std::size_t h : alive) {
      const LearnerRates& rates = AllRates()[h];
      const double held = note.held[h] * std::exp(-hours / note.stability[h]);
      auto& likelihood = note.likelihood[h];
      double expected = 0.0;  // the recall the note was expected to have
      for (std::size_t s = 0; s < kFloors; ++s) {
        const double recall = Floor(s) + (1.0 - Floor(s)) * held;
        expected += prior[g][h][s] * likelihood[s] * recall;
        likelihood[s] *= slow ? std::sqrt(recall * (1.0 - recall)) : answer.right ? recall : 1.0 - recall;
      }
      Rescale(note, h, g);
      note.held[h] = held + rates.learn * (1.0 - held);
      note.stability[h] =
          std::clamp(note.stability[h] * (answer.right ? 1.0 + rates.growth * (1.0 - expected) : rates.lapse),
                     kLeastStabilityHours, kMostStabilityHours);
    }
    ++note.answers;
    note.lastMs = answer.utcMs;
  }

  // The floors' weights and the recall under each floor, for student `h` at `nowUtcMs`.
  struct Belief {
    Floors weight;
    Floors recall;
    double held = 0.0;
  };
  Belief BeliefOf(theory::NoteSlot slot, std::size_t h, std::int64_t nowUtcMs) const {
    Belief belief;
    const Note* note = notes.at(slot).get();
    if (note) belief.held = note->held[h] * std::exp(-HoursBetween(note->lastMs, nowUtcMs) / note->stability[h]);
    for (std::size_t s = 0; s < kFloors; ++s) {
      belief.weight[s] = prior[group[slot]][h][s] * (note ? note->likelihood[h][s] : 1.0);
      belief.recall[s] = Floor(s) + (1.0 - Floor(s)) * belief.held;
    }
    return belief;
  }

  std::array<std::unique_ptr<Note>, theory::kNoteSlotCount> notes;
  std::array<Group, theory::kNoteSlotCount> group{};
  std::array<bool, theory::kNoteSlotCount> inPool{};
  std::array<std::array<Floors, kLearners>, kGroups> prior;
  std::array<double, kLearners> learnerLog{};  // the sum of every note's log marginal
  std::vector<std::size_t> alive;
};

RecallModel::RecallModel() : model_(std::make_unique<Model>()) {}
RecallModel::~RecallModel() = default;

void RecallModel::Observe(const FirstTry& answer) {
  model_->Observe(answer);
  if (answers_ == 0 || HoursBetween(lastAnswerMs_, answer.utcMs) > kSittingGapHours) ++sittings_;
  lastAnswerMs_ = answer.utcMs;
  ++answers_;
  if (answers_ % kLearnFloorsEvery == 0) model_->LearnFloors();
}

void RecallModel::MeetPool(std::span<const theory::NoteSlot> pool) { model_->Meet(pool); }

int RecallModel::Answers(theory::NoteSlot slot) const {
  const auto& note = model_->notes.at(slot);
  return note ? note->answers : 0;
}

double RecallModel::RecallNow(theory::NoteSlot slot, std::int64_t nowUtcMs) const {
  const auto belief = model_->BeliefOf(slot, model_->Likeliest(), nowUtcMs);
  double recall = 0.0;
  for (std::size_t s = 0; s < kFloors; ++s) recall += belief.weight[s] * belief.recall[s];
  return recall;
}

double RecallModel::NotFluentChance(theory::NoteSlot slot, std::int64_t nowUtcMs) const {
  const auto belief = model_->BeliefOf(slot, model_->Likeliest(), nowUtcMs);
  double chance = 0.0;
  for (std::size_t s = 0; s < kFloors && belief.recall[s] < kFluentRecall; ++s) chance += belief.weight[s];
  return chance;
}

double RecallModel::QuestionsTo(double target, theory::NoteSlot slot, std::int64_t nowUtcMs, double confidence) const {
  double questions = 0.0;
  for (const auto& [h, share] : model_->Weighed()) {
    const auto belief = model_->BeliefOf(slot, h, nowUtcMs);
    // The floors in rising order give rising recalls: the first ones that hold the share of doubt
    // left by the confidence decide how far the note may be from fluent.
    double mass = 0.0;
    std::size_t s = 0;
    for (; s + 1 < kFloors; ++s) {
      mass += belief.weight[s];
      if (mass >= 1.0 - confidence) break;
    }
    const double perQuestion = std::log(1.0 - AllRates()[h].learn);
    questions += share * std::log((1.0 - target) / (1.0 - belief.recall[s])) / perQuestion;
  }
  return questions;
}

MasteryState RecallModel::StateNow(theory::NoteSlot slot, std::int64_t nowUtcMs) const {
  if (Answers(slot) < kNewBelowAttempts) return MasteryState::New;
  return RecallNow(slot, nowUtcMs) >= kFluentRecall ? MasteryState::Fluent : MasteryState::Learning;
}

LearnerRates RecallModel::Likeliest() const { return AllRates()[model_->Likeliest()]; }

NoteRecall RecallModel::NoteNow(theory::NoteSlot slot, std::int64_t nowUtcMs) const {
  const std::size_t h = model_->Likeliest();
  const auto belief = model_->BeliefOf(slot, h, nowUtcMs);
  NoteRecall note;
  for (std::size_t s = 0; s < kFloors; ++s) note.floor += belief.weight[s] * Floor(s);
  note.held = belief.held;
  const auto& known = model_->notes.at(slot);
  note.stabilityHours = known ? known->stability[h] : AllRates()[h].firstStabilityHours;
  return note;
}

}  // namespace lintra::practice

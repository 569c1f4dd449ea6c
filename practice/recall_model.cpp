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
constexpr std::size_t kFloors = 16;
constexpr double kMsPerHour = 3'600'000.0;
constexpr double kSittingGapHours = 3.0;
// Stability stays within a minute and ten years, whatever a run of answers does to it.
constexpr double kLeastStabilityHours = 1.0 / 60.0;
constexpr double kMostStabilityHours = 24.0 * 3653.0;
// Where floors lie is learnt from the notes asked every so many answers; what the pool's notes
// tell outweighs this pseudo-count (per floor) soon.
constexpr std::size_t kLearnFloorsEvery = 25;
constexpr std::int64_t kLearnFloorsOftenUntil = 1000;
constexpr std::size_t kLearnFloorsLaterEvery = 250;
constexpr double kFloorPseudoCount = 0.3;
constexpr int kRegroupSteps = 4;
// A student this many nats less likely than the likeliest is dropped: e^-10 never tips a pick.
constexpr double kDropBelowNats = 10.0;
constexpr double kNegligible = 1e-3;  // of the likeliest student's chance
constexpr std::size_t kMostWeighed = 48;
constexpr std::size_t kEdgeNotes = 2;
constexpr std::size_t kLeastForEdges = 6;
enum Group : std::size_t { kInner, kEdge, kGroups };

constexpr double Floor(std::size_t s) { return (static_cast<double>(s) + 0.5) / static_cast<double>(kFloors); }
// Even a fluent reader slips now and then, and even a guess is sometimes right.
constexpr double kLeastChance = 1e-4;
constexpr double kFoldScaleBelow = 1e-200;

// The recall under each floor of a note whose memory holds `held`.
void RecallsOf(double held, std::array<double, kFloors>& recall) {
  static constexpr auto kFloorOf = [] {
    std::array<double, kFloors> floors{};
    for (std::size_t s = 0; s < kFloors; ++s) floors[s] = Floor(s);
    return floors;
  }();
  const double kept = std::min(held, 1.0 - kLeastChance);
  for (std::size_t s = 0; s < kFloors; ++s) recall[s] = kFloorOf[s] + (1.0 - kFloorOf[s]) * kept;
}

// Sum of a * b, in four independent sums so that the additions need not wait for each other.
double Dot(const std::array<double, kFloors>& a, const std::array<double, kFloors>& b) {
  static_assert(kFloors % 4 == 0);
  std::array<double, 4> sum{};
  for (std::size_t s = 0; s < kFloors; s += 4) {
    for (std::size_t k = 0; k < 4; ++k) sum[k] += a[s + k] * b[s + k];
  }
  return (sum[0] + sum[1]) + (sum[2] + sum[3]);
}

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
    // weighed by their prior sum to one; what the scaling took out is the student's to keep.
    std::array<Floors, kLearners> likelihood{};
  };

  Model() {
    for (auto& group : prior)
      for (auto& floors : group) floors.fill(1.0 / kFloors);
    for (std::size_t h = 0; h < kLearners; ++h) alive.push_back(h);
  }

  // The students that matter, with their chances: the likeliest few. While the answers cannot
  // tell many apart (no gaps seen yet, say), they judge alike and a few stand for them all.
  std::vector<std::pair<std::size_t, double>> Weighed() const {
    std::vector<std::pair<std::size_t, double>> weighed;
    for (const std::size_t h : alive) weighed.emplace_back(h, LogLikelihood(h));
    const auto likelier = [](const auto& a, const auto& b) {
      return a.second > b.second || (a.second == b.second && a.first < b.first);
    };
    const std::size_t kept = std::min(weighed.size(), kMostWeighed);
    std::partial_sort(weighed.begin(), weighed.begin() + static_cast<std::ptrdiff_t>(kept), weighed.end(), likelier);
    weighed.resize(kept);
    const double best = weighed.front().second;
    double total = 0.0;
    for (auto& [h, chance] : weighed) total += chance = std::exp(chance - best);
    std::erase_if(weighed, [&](const auto& entry) { return entry.second < kNegligible; });
    for (auto& entry : weighed) entry.second /= total;
    return weighed;
  }

  // The students still weighed, the likeliest first among equals by their order.
  std::size_t Likeliest() const {
    std::size_t best = alive.front();
    for (const std::size_t h : alive) {
      if (LogLikelihood(h) > LogLikelihood(best)) best = h;
    }
    return best;
  }

  // Scales a note's likelihoods under student `h` by 1 / `marginal`, and counts what that took.
  void Rescale(Note& note, std::size_t h, double marginal) {
    const double inverse = 1.0 / marginal;
    for (double& l : note.likelihood[h]) l *= inverse;
    // Kept as a product, its logarithm taken only before it could leave the range of a double.
    scale[h] *= marginal;
    if (scale[h] < kFoldScaleBelow || scale[h] > 1.0 / kFoldScaleBelow) {
      learnerLog[h] += std::log(scale[h]);
      scale[h] = 1.0;
    }
  }
  // The same, to the note's current prior.
  void Rescale(Note& note, std::size_t h, Group group) { Rescale(note, h, Dot(prior[group][h], note.likelihood[h])); }

  void RescaleAll() {
    for (std::size_t slot = 0; slot < notes.size(); ++slot) {
      if (!notes[slot]) continue;
      for (const std::size_t h : alive) Rescale(*notes[slot], h, group[slot]);
    }
  }

  // One step of expectation maximisation for where floors lie under student `h`, per group.
  void LearnFloors(std::size_t h) {
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
    for (std::size_t slot = 0; slot < notes.size(); ++slot) {
      if (notes[slot]) Rescale(*notes[slot], h, group[slot]);
    }
  }
  // After one answer: each student's floors are relearnt once in `every` answers, a few students
  // in turn after each answer so that no answer waits for all of them. Once every student has had
  // a turn, the unlikely ones are dropped.
  void LearnFloorsInTurn(std::size_t every) {
    for (credit += alive.size(); credit >= every; credit -= every) {
      LearnFloors(alive[turn]);
      if (++turn < alive.size()) continue;
      turn = 0;
      const double best = LogLikelihood(Likeliest());
      std::erase_if(alive, [&](std::size_t h) { return LogLikelihood(h) < best - kDropBelowNats; });
    }
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
    // Answers weighed before the pool was known (a journal read at the start) were learnt as one
    // group: where each group's floors lie is learnt again at once.
    for (int step = 0; step < kRegroupSteps; ++step) {
      for (const std::size_t h : alive) LearnFloors(h);
    }
  }

  void Observe(const FirstTry& answer) {
    auto& slot = notes[answer.slot];
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
    Floors recall;
    Floors weighted;
    for (const std::size_t h : alive) {
      const LearnerRates& rates = AllRates()[h];
      const double held = note.held[h] * std::exp(-hours / note.stability[h]);
      auto& likelihood = note.likelihood[h];
      RecallsOf(held, recall);
      for (std::size_t s = 0; s < kFloors; ++s) weighted[s] = prior[g][h][s] * likelihood[s];
      // The likelihoods weighed by the prior sum to one: this is the recall the note was expected
      // to have, and the chance of a right answer.
      const double expected = Dot(weighted, recall);
      if (slow) {
        for (std::size_t s = 0; s < kFloors; ++s) likelihood[s] *= std::sqrt(recall[s] * (1.0 - recall[s]));
        Rescale(note, h, g);
      } else if (answer.right) {
        for (std::size_t s = 0; s < kFloors; ++s) likelihood[s] *= recall[s];
        Rescale(note, h, expected);
      } else {
        for (std::size_t s = 0; s < kFloors; ++s) likelihood[s] *= 1.0 - recall[s];
        Rescale(note, h, 1.0 - expected);
      }
      note.held[h] = held + rates.learn * (1.0 - held);
      note.stability[h] =
          std::clamp(note.stability[h] * (answer.right ? 1.0 + rates.growth * (1.0 - expected) : rates.lapse),
                     kLeastStabilityHours, kMostStabilityHours);
    }
    ++note.answers;
    note.lastMs = answer.utcMs;
  }

  // What memory holds of the note under student `h` at `nowUtcMs`.
  double HeldNow(theory::NoteSlot slot, std::size_t h, std::int64_t nowUtcMs) const {
    const Note* note = notes.at(slot).get();
    if (!note) return 0.0;
    const double held = note->held[h] * std::exp(-HoursBetween(note->lastMs, nowUtcMs) / note->stability[h]);
    return std::min(held, 1.0 - kLeastChance);
  }
  // The lowest floor below which the note's floor lies with at most chance `doubt`.
  std::size_t LowFloor(theory::NoteSlot slot, std::size_t h, double doubt) const {
    const Note* note = notes.at(slot).get();
    const Floors& weights = prior[group[slot]][h];
    double mass = 0.0;
    std::size_t s = 0;
    for (; s + 1 < kFloors; ++s) {
      mass += weights[s] * (note ? note->likelihood[h][s] : 1.0);
      if (mass >= doubt) break;
    }
    return s;
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
    belief.held = HeldNow(slot, h, nowUtcMs);
    for (std::size_t s = 0; s < kFloors; ++s) {
      belief.weight[s] = prior[group[slot]][h][s] * (note ? note->likelihood[h][s] : 1.0);
    }
    RecallsOf(belief.held, belief.recall);
    return belief;
  }

  std::array<std::unique_ptr<Note>, theory::kNoteSlotCount> notes;
  std::array<Group, theory::kNoteSlotCount> group{};
  std::array<bool, theory::kNoteSlotCount> inPool{};
  std::array<std::array<Floors, kLearners>, kGroups> prior;
  // How likely all the answers are under each student: learnerLog + log(scale).
  double LogLikelihood(std::size_t h) const { return learnerLog[h] + std::log(scale[h]); }
  std::array<double, kLearners> learnerLog{};
  std::array<double, kLearners> scale = [] {
    std::array<double, kLearners> ones;
    ones.fill(1.0);
    return ones;
  }();
  std::vector<std::size_t> alive;
  std::size_t turn = 0;    // the next of `alive` whose floors are relearnt
  std::size_t credit = 0;  // turns earned: the students alive, per answer
};

RecallModel::RecallModel() : model_(std::make_unique<Model>()) {}
RecallModel::~RecallModel() = default;

void RecallModel::Observe(const FirstTry& answer) {
  if (answer.slot >= theory::kNoteSlotCount) return;  // no note of the table: nothing to weigh
  model_->Observe(answer);
  if (answers_ == 0 || HoursBetween(lastAnswerMs_, answer.utcMs) > kSittingGapHours) ++sittings_;
  lastAnswerMs_ = answer.utcMs;
  ++answers_;
  // Floors settle as answers come: they are relearnt less often once many have come.
  model_->LearnFloorsInTurn(answers_ < kLearnFloorsOftenUntil ? kLearnFloorsEvery : kLearnFloorsLaterEvery);
}

void RecallModel::MeetPool(std::span<const theory::NoteSlot> pool) { model_->Meet(pool); }

int RecallModel::Answers(theory::NoteSlot slot) const {
  const auto& note = model_->notes.at(slot);
  return note ? note->answers : 0;
}

double RecallModel::RecallNow(theory::NoteSlot slot, std::int64_t nowUtcMs) const {
  double recall = 0.0;
  for (const auto& [h, share] : model_->Weighed()) {
    const auto belief = model_->BeliefOf(slot, h, nowUtcMs);
    recall += share * Dot(belief.weight, belief.recall);
  }
  return recall;
}

double RecallModel::NotFluentChance(theory::NoteSlot slot, std::int64_t nowUtcMs) const {
  double chance = 0.0;
  for (const auto& [h, share] : model_->Weighed()) {
    const auto belief = model_->BeliefOf(slot, h, nowUtcMs);
    for (std::size_t s = 0; s < kFloors && belief.recall[s] < kFluentRecall; ++s) chance += share * belief.weight[s];
  }
  return chance;
}

double RecallModel::QuestionsTo(double target, theory::NoteSlot slot, std::int64_t nowUtcMs, double confidence) const {
  return QuestionsTo(target, std::span(&slot, 1), nowUtcMs, confidence).front();
}

std::vector<double> RecallModel::QuestionsTo(double target, std::span<const theory::NoteSlot> slots,
                                             std::int64_t nowUtcMs, double confidence) const {
  std::vector<double> questions(slots.size(), 0.0);
  for (const auto& [h, share] : model_->Weighed()) {
    const double perQuestion = std::log(1.0 - AllRates()[h].learn);
    for (std::size_t i = 0; i < slots.size(); ++i) {
      // The floors in rising order give rising recalls: the first ones that hold the share of
      // doubt left by the confidence decide how far the note may be from fluent.
      const std::size_t low = model_->LowFloor(slots[i], h, 1.0 - confidence);
      const double recall = Floor(low) + (1.0 - Floor(low)) * model_->HeldNow(slots[i], h, nowUtcMs);
      questions[i] += share * std::log((1.0 - target) / (1.0 - recall)) / perQuestion;
    }
  }
  return questions;
}

MasteryState RecallModel::StateNow(theory::NoteSlot slot, std::int64_t nowUtcMs) const {
  if (Answers(slot) < kNewBelowFirstTries) return MasteryState::New;
  return NotFluentChance(slot, nowUtcMs) < 0.5 ? MasteryState::Fluent : MasteryState::Learning;
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

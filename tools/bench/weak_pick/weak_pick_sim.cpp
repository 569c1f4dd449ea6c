// How many questions a simulated learner needs until every note of a pool is fluent, asked by the
// uniform pick and by the weak-note pick of practice/ (the code the trainer uses).
//
//   bench_weak_pick [--alpha A] [--beta B] [--pool N] [--learners L] [--seed S] [--sweep]
//                   [--sharpness X] [--floor F] [--target R] [--confidence C]
//
// --sweep runs the grid ALPHA 0.06 .. 0.2 by BETA 0 .. 0.001 for the pool size given. The last
// four options change the weak pick's tuning, for experiments.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "practice/weak_pick.h"
#include "simulated_learner.h"
#include "theory/random.h"

namespace {

using lintra::bench::LearnerModel;
using lintra::bench::SimulatedLearner;
using lintra::practice::WeakNotePick;
using lintra::practice::WeakPickTuning;
using lintra::theory::NoteSlot;

constexpr int kLimit = 20000;
constexpr std::int64_t kDayMs = 86'400'000;

struct Options {
  LearnerModel model;
  int pool = 15;
  int learners = 200;
  std::uint64_t seed = 1;
  bool sweep = false;
  WeakPickTuning tuning;
};

std::uint64_t Mix(std::uint64_t x) {
  x += 0x9e3779b97f4a7c15ull;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
  return x ^ (x >> 31);
}

// One learner taught by one pick until fluent or the limit. The generator is seeded from a clock
// that moves on by a response time per question, as the trainer seeds it before every pick.
int QuestionsToFluency(const Options& options, std::uint64_t learnerSeed, bool weak) {
  SimulatedLearner learner(options.pool, options.model, learnerSeed);
  std::mt19937_64 clock(Mix(learnerSeed));
  std::uniform_int_distribution<std::int64_t> startOfDay(0, kDayMs - 1);
  std::uniform_int_distribution<std::int64_t> answerTime(1500, 4000);
  std::int64_t now = startOfDay(clock);
  WeakNotePick pick(options.tuning);
  lintra::theory::Random random;
  std::vector<NoteSlot> candidates;
  int previous = -1;
  for (int question = 1; question <= kLimit; ++question) {
    candidates.clear();
    for (int i = 0; i < options.pool; ++i) {
      if (i != previous) candidates.push_back(static_cast<NoteSlot>(i));
    }
    random.Seed(now % kDayMs);
    const int note =
        weak ? pick.Pick(random, candidates) : candidates[random.Below(static_cast<std::uint32_t>(candidates.size()))];
    const bool right = learner.Answer(note);
    pick.Observe(static_cast<NoteSlot>(note), right, 1000);
    previous = note;
    now += answerTime(clock);
    if (learner.Fluent()) return question;
  }
  return kLimit;
}

struct Result {
  int uniform = 0;
  int weak = 0;
  int uniformAtLimit = 0;
  int weakAtLimit = 0;
};

int Median(std::vector<int> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

Result Run(const Options& options) {
  std::vector<int> uniform;
  std::vector<int> weak;
  Result result;
  for (int l = 0; l < options.learners; ++l) {
    const std::uint64_t learnerSeed = Mix(options.seed * 1'000'003ull + static_cast<std::uint64_t>(l));
    uniform.push_back(QuestionsToFluency(options, learnerSeed, false));
    weak.push_back(QuestionsToFluency(options, learnerSeed, true));
    result.uniformAtLimit += uniform.back() == kLimit ? 1 : 0;
    result.weakAtLimit += weak.back() == kLimit ? 1 : 0;
  }
  result.uniform = Median(uniform);
  result.weak = Median(weak);
  return result;
}

double Saving(const Result& r) { return 100.0 * (r.uniform - r.weak) / r.uniform; }

bool Parse(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--sweep") {
      options.sweep = true;
      continue;
    }
    if (i + 1 >= argc) return false;
    const char* value = argv[++i];
    char* end = nullptr;
    const double number = std::strtod(value, &end);
    if (end == value || *end != '\0') return false;
    if (arg == "--alpha")
      options.model.alpha = number;
    else if (arg == "--beta")
      options.model.beta = number;
    else if (arg == "--pool")
      options.pool = static_cast<int>(number);
    else if (arg == "--learners")
      options.learners = static_cast<int>(number);
    else if (arg == "--seed")
      options.seed = static_cast<std::uint64_t>(number);
    else if (arg == "--sharpness")
      options.tuning.sharpness = number;
    else if (arg == "--floor")
      options.tuning.floor = number;
    else if (arg == "--target")
      options.tuning.fluentRecall = number;
    else if (arg == "--confidence")
      options.tuning.confidence = number;
    else
      return false;
  }
  const bool sane = options.pool >= 5 && options.pool <= static_cast<int>(lintra::theory::kNoteSlotCount) &&
                    options.learners >= 1 && options.model.alpha > 0.0 && options.model.alpha <= 1.0 &&
                    options.model.beta >= 0.0 && options.model.beta < 1.0;
  return sane;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!Parse(argc, argv, options)) {
    std::fprintf(
        stderr,
        "usage: bench_weak_pick [--alpha A] [--beta B] [--pool N (5..73)] [--learners L] [--seed S] [--sweep]\n"
        "                       [--sharpness X] [--floor F] [--target R] [--confidence C]\n");
    return 2;
  }
  if (!options.sweep) {
    const Result r = Run(options);
    std::printf("ALPHA %.4g, BETA %.4g, %d notes, %d learners, seed %llu\n", options.model.alpha, options.model.beta,
                options.pool, options.learners, static_cast<unsigned long long>(options.seed));
    std::printf("median questions to fluency: uniform %d, weak-note pick %d (%.1f%% fewer)\n", r.uniform, r.weak,
                Saving(r));
    std::printf("learners stopped at the %d limit: uniform %d, weak-note pick %d\n", kLimit, r.uniformAtLimit,
                r.weakAtLimit);
    return 0;
  }
  std::printf("%d notes, %d learners, seed %llu; median questions to fluency (limit %d)\n", options.pool,
              options.learners, static_cast<unsigned long long>(options.seed), kLimit);
  std::printf("%6s %8s %8s %8s %8s\n", "ALPHA", "BETA", "uniform", "weak", "fewer");
  int worse = 0;
  for (const double alpha : {0.06, 0.08, 0.10, 0.12, 0.14, 0.16, 0.18, 0.20}) {
    for (const double beta : {0.0, 0.00025, 0.0005, 0.00075, 0.001}) {
      Options cell = options;
      cell.model.alpha = alpha;
      cell.model.beta = beta;
      const Result r = Run(cell);
      worse += r.weak > r.uniform ? 1 : 0;
      std::printf("%6.2f %8.5f %8d %8d %7.1f%%\n", alpha, beta, r.uniform, r.weak, Saving(r));
    }
  }
  std::printf("cells where the weak-note pick needs more questions than uniform: %d\n", worse);
  return 0;
}

// How much the weak-note pick of practice/ (the code the trainer uses) saves a simulated student
// against the uniform pick: questions to fluency for a student who practises without a break, or
// with --days, days to fluency for one who practises a session a day.
//
//   bench_weak_pick [--alpha A] [--beta B] [--pool N] [--learners L] [--seed S] [--sweep]
//   bench_weak_pick --days [--pool N] [--per-day Q] [--alpha A] [--gamma G] [--drop D] [--tau0 H]
//                   [--learners L] [--seed S] [--sweep]
//   either with [--sharpness X] [--floor F] [--target R] [--confidence C]
//
// --sweep runs a grid for the pool size given: ALPHA 0.06 .. 0.2 by BETA 0 .. 0.001, or with --days
// GAMMA by DROP by TAU0 around their defaults. The last four options change the weak pick's
// tuning, for experiments.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "days_to_fluency.h"
#include "practice/weak_pick.h"
#include "simulated_learner.h"
#include "theory/random.h"

namespace {

using lintra::bench::DaysSetting;
using lintra::bench::LearnerModel;
using lintra::bench::SimulatedLearner;
using lintra::practice::WeakNotePick;
using lintra::practice::WeakPickTuning;
using lintra::theory::NoteSlot;

constexpr int kLimit = 20000;
constexpr std::int64_t kDayMs = 86'400'000;

struct Options {
  LearnerModel model;
  DaysSetting setting;  // the pool and the pick's tuning in both modes; with --days the learner too
  bool acrossDays = false;
  int learners = 200;
  std::uint64_t seed = 1;
  bool sweep = false;
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
  SimulatedLearner learner(options.setting.pool, options.model, learnerSeed);
  std::mt19937_64 clock(Mix(learnerSeed));
  std::uniform_int_distribution<std::int64_t> startOfDay(0, kDayMs - 1);
  std::uniform_int_distribution<std::int64_t> answerTime(1500, 4000);
  std::int64_t now = startOfDay(clock);
  WeakNotePick pick(options.setting.tuning);
  lintra::theory::Random random;
  std::vector<NoteSlot> candidates;
  int previous = -1;
  for (int question = 1; question <= kLimit; ++question) {
    candidates.clear();
    for (int i = 0; i < options.setting.pool; ++i) {
      if (i != previous) candidates.push_back(static_cast<NoteSlot>(i));
    }
    random.Seed(now % kDayMs);
    const int note = weak ? pick.Pick(random, candidates, now)
                          : candidates[random.Below(static_cast<std::uint32_t>(candidates.size()))];
    const bool right = learner.Answer(note);
    pick.Observe({static_cast<NoteSlot>(note), right, 1000, now});
    previous = note;
    now += answerTime(clock);
    if (learner.Fluent()) return question;
  }
  return kLimit;
}

struct Result {
  double uniform = 0;  // medians
  double weak = 0;
  double uniformMean = 0;
  double weakMean = 0;
  int uniformAtLimit = 0;
  int weakAtLimit = 0;
};

double Mean(const std::vector<int>& values) {
  double sum = 0;
  for (const int v : values) sum += v;
  return sum / static_cast<double>(values.size());
}

double Median(std::vector<int> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

Result Run(const Options& options) {
  const int limit = options.acrossDays ? lintra::bench::kDayLimit : kLimit;
  std::vector<int> uniform;
  std::vector<int> weak;
  Result result;
  for (int l = 0; l < options.learners; ++l) {
    const std::uint64_t learnerSeed = Mix(options.seed * 1'000'003ull + static_cast<std::uint64_t>(l));
    for (const bool byWeakPick : {false, true}) {
      const int figure = options.acrossDays ? DaysToFluency(options.setting, learnerSeed, byWeakPick)
                                            : QuestionsToFluency(options, learnerSeed, byWeakPick);
      (byWeakPick ? weak : uniform).push_back(figure);
      (byWeakPick ? result.weakAtLimit : result.uniformAtLimit) += figure == limit ? 1 : 0;
    }
  }
  result.uniform = Median(uniform);
  result.weak = Median(weak);
  result.uniformMean = Mean(uniform);
  result.weakMean = Mean(weak);
  return result;
}

double Saving(const Result& r) { return 100.0 * (r.uniform - r.weak) / r.uniform; }

bool Parse(int argc, char** argv, Options& options) {
  bool daysOnly = false;       // an option of the across-days learner
  bool questionsOnly = false;  // an option of the learner without days
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--sweep" || arg == "--days") {
      (arg == "--sweep" ? options.sweep : options.acrossDays) = true;
      continue;
    }
    if (i + 1 >= argc) return false;
    const char* value = argv[++i];
    char* end = nullptr;
    const double number = std::strtod(value, &end);
    if (end == value || *end != '\0') return false;
    if (arg == "--alpha")
      options.model.alpha = options.setting.model.alpha = number;
    else if (arg == "--beta")
      options.model.beta = number, questionsOnly = true;
    else if (arg == "--gamma")
      options.setting.model.gamma = number, daysOnly = true;
    else if (arg == "--drop")
      options.setting.model.drop = number, daysOnly = true;
    else if (arg == "--tau0")
      options.setting.model.tau0Hours = number, daysOnly = true;
    else if (arg == "--pool")
      options.setting.pool = static_cast<int>(number);
    else if (arg == "--per-day")
      options.setting.perDay = static_cast<int>(number), daysOnly = true;
    else if (arg == "--learners")
      options.learners = static_cast<int>(number);
    else if (arg == "--seed")
      options.seed = static_cast<std::uint64_t>(number);
    else if (arg == "--sharpness")
      options.setting.tuning.sharpness = number;
    else if (arg == "--floor")
      options.setting.tuning.floor = number;
    else if (arg == "--target")
      options.setting.tuning.fluentRecall = number;
    else if (arg == "--confidence")
      options.setting.tuning.confidence = number;
    else
      return false;
  }
  if (options.acrossDays ? questionsOnly : daysOnly) return false;
  const auto& days = options.setting.model;
  return options.setting.pool >= 5 && options.setting.pool <= static_cast<int>(lintra::theory::kNoteSlotCount) &&
         options.learners >= 1 && options.model.alpha > 0.0 && options.model.alpha <= 1.0 &&
         options.model.beta >= 0.0 && options.model.beta < 1.0 && options.setting.perDay >= 1 &&
         options.setting.perDay <= 10000 && days.gamma >= 0.0 && days.gamma <= 100.0 && days.drop > 0.0 &&
         days.drop <= 1.0 && days.tau0Hours > 0.0 && days.tau0Hours <= 1e6;
}

void PrintLimits(const Result& r, const char* what, int limit) {
  std::printf("learners stopped at the %d %s limit: uniform %d, weak-note pick %d\n", limit, what, r.uniformAtLimit,
              r.weakAtLimit);
}

int QuestionsMode(const Options& options) {
  if (!options.sweep) {
    const Result r = Run(options);
    std::printf("ALPHA %.4g, BETA %.4g, %d notes, %d learners, seed %llu\n", options.model.alpha, options.model.beta,
                options.setting.pool, options.learners, static_cast<unsigned long long>(options.seed));
    PrintLimits(r, "question", kLimit);
    std::printf("mean questions to fluency: uniform %.1f, weak-note pick %.1f\n", r.uniformMean, r.weakMean);
    std::printf("median questions to fluency: uniform %g, weak-note pick %g (%.1f%% fewer)\n", r.uniform, r.weak,
                Saving(r));
    return 0;
  }
  std::printf("%d notes, %d learners, seed %llu; median questions to fluency (limit %d)\n", options.setting.pool,
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
      std::printf("%6.2f %8.5f %8g %8g %7.1f%%\n", alpha, beta, r.uniform, r.weak, Saving(r));
    }
  }
  std::printf("cells where the weak-note pick needs more questions than uniform: %d\n", worse);
  return 0;
}

int DaysMode(Options options) {
  // The journal of each simulated student lives in a folder of this run's own.
  std::string folder = (std::filesystem::temp_directory_path() / "bench_weak_pick-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) {
    std::perror("bench_weak_pick: cannot make a folder for the journals");
    return 1;
  }
  options.setting.journalFile = std::filesystem::path(folder) / "journal.sqlite";
  const auto& model = options.setting.model;
  if (!options.sweep) {
    const Result r = Run(options);
    std::printf("ALPHA %.4g, GAMMA %.4g, DROP %.4g, TAU0 %.4g hours, %d notes at %d a day, %d learners, seed %llu\n",
                model.alpha, model.gamma, model.drop, model.tau0Hours, options.setting.pool, options.setting.perDay,
                options.learners, static_cast<unsigned long long>(options.seed));
    PrintLimits(r, "day", lintra::bench::kDayLimit);
    std::printf("mean days to fluency: uniform %.2f, weak-note pick %.2f\n", r.uniformMean, r.weakMean);
    std::printf("median days to fluency: uniform %g, weak-note pick %g (%.1f%% fewer)\n", r.uniform, r.weak, Saving(r));
  } else {
    std::printf("ALPHA %.4g, %d notes at %d a day, %d learners, seed %llu; median days to fluency (limit %d)\n",
                model.alpha, options.setting.pool, options.setting.perDay, options.learners,
                static_cast<unsigned long long>(options.seed), lintra::bench::kDayLimit);
    std::printf("%6s %6s %6s %8s %8s %8s\n", "GAMMA", "DROP", "TAU0", "uniform", "weak", "fewer");
    int worse = 0;
    for (const double gamma : {0.75, 1.5, 3.0}) {
      for (const double drop : {0.5, 0.75, 0.9, 1.0}) {
        for (const double tau0 : {2.0, 6.0, 18.0}) {
          Options cell = options;
          cell.setting.model.gamma = gamma;
          cell.setting.model.drop = drop;
          cell.setting.model.tau0Hours = tau0;
          const Result r = Run(cell);
          worse += r.weak > r.uniform ? 1 : 0;
          std::printf("%6.2f %6.2f %6.1f %8g %8g %7.1f%%\n", gamma, drop, tau0, r.uniform, r.weak, Saving(r));
        }
      }
    }
    std::printf("cells where the weak-note pick needs more days than uniform: %d\n", worse);
  }
  std::filesystem::remove_all(folder);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!Parse(argc, argv, options)) {
    std::fprintf(
        stderr,
        "usage: bench_weak_pick [--alpha A] [--beta B] [--pool N (5..73)] [--learners L] [--seed S] [--sweep]\n"
        "       bench_weak_pick --days [--pool N] [--per-day Q] [--alpha A] [--gamma G] [--drop D (0..1)]\n"
        "                       [--tau0 HOURS] [--learners L] [--seed S] [--sweep]\n"
        "       either with [--sharpness X] [--floor F] [--target R] [--confidence C]\n");
    return 2;
  }
  return options.acrossDays ? DaysMode(options) : QuestionsMode(options);
}

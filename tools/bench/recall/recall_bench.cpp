// What the weak-note pick's recall model costs the trainer: rebuilt at a start from 100,000 first
// tries (from memory, and read from a journal file first), and the work of the next-question tick
// after one answer (weighing it, then the pick), with its 99th percentile.
//
// The answers are those of the across-days learner of bench_weak_pick, 25 notes, 60 a day, asked
// by the uniform pick.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <vector>

#include "across_days_learner.h"
#include "journal/journal.h"
#include "journal_answer.h"
#include "practice/weak_pick.h"
#include "theory/random.h"

namespace lintra::bench {
namespace {

constexpr int kPool = 25;
constexpr int kPerDay = 60;
constexpr std::int64_t kDayMs = 86'400'000;
constexpr std::int64_t kQuestionEveryMs = 4'000;
constexpr std::int64_t kFirstDayUtcMs = 1'767'254'400'000;  // 2026-01-01T08:00:00Z

// Day after day of one student's first tries, in order.
class Student {
 public:
  practice::FirstTry Next() {
    const int q = asked_ % kPerDay;
    if (q == 0 && asked_ > 0) learner_.Wait(24.0 - (kPerDay - 1) * kQuestionEveryMs / 3'600'000.0);
    if (q > 0) learner_.Wait(kQuestionEveryMs / 3'600'000.0);
    const std::int64_t time = kFirstDayUtcMs + (asked_ / kPerDay) * kDayMs + q * kQuestionEveryMs;
    random_.Seed(time % kDayMs);
    const auto slot = static_cast<theory::NoteSlot>(random_.Below(kPool));
    ++asked_;
    return {slot, learner_.Answer(slot), 1200, time};
  }
  std::int64_t NowMs() const { return kFirstDayUtcMs + (asked_ / kPerDay) * kDayMs + (asked_ % kPerDay) * 4000; }

 private:
  AcrossDaysLearner learner_{kPool, AcrossDaysModel{}, 7};
  theory::Random random_;
  std::int64_t asked_ = 0;
};

std::vector<theory::NoteSlot> Pool() {
  std::vector<theory::NoteSlot> pool;
  for (int i = 0; i < kPool; ++i) pool.push_back(static_cast<theory::NoteSlot>(i));
  return pool;
}

const std::vector<practice::FirstTry>& Tries() {
  static const auto tries = [] {
    Student student;
    std::vector<practice::FirstTry> all(100'000);
    for (auto& answer : all) answer = student.Next();
    return all;
  }();
  return tries;
}

void Rebuild(const std::vector<practice::FirstTry>& tries) {
  practice::WeakNotePick pick;
  for (const auto& answer : tries) pick.Observe(answer);
  theory::Random random;
  const auto pool = Pool();
  benchmark::DoNotOptimize(pick.Pick(random, pool, tries.back().utcMs + kDayMs));
}

void BM_RebuildFromFirstTries(benchmark::State& state) {
  const auto& tries = Tries();
  for (auto _ : state) Rebuild(tries);
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(tries.size()));
}
BENCHMARK(BM_RebuildFromFirstTries)->Unit(benchmark::kMillisecond);

// The same, the first tries read from a journal file of 100,000 answers first.
void BM_RebuildFromJournal(benchmark::State& state) {
  std::string folder = (std::filesystem::temp_directory_path() / "bench_recall-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  {
    journal::Journal journal((std::filesystem::path(folder) / "journal.sqlite").string());
    std::vector<practice::AnswerRecord> records;
    for (const auto& answer : Tries()) {
      records.push_back(
          JournalAnswer(answer.slot, answer.right, answer.utcMs, answer.responseMs, answer.utcMs / kDayMs));
    }
    journal.Append(records);
  }
  journal::Journal journal((std::filesystem::path(folder) / "journal.sqlite").string());
  for (auto _ : state) Rebuild(journal.Reader().FirstTries(theory::KeyId::Chromatic));
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RebuildFromJournal)->Unit(benchmark::kMillisecond);

// After `state.range(0)` answers, each further answer weighed and the next question picked, as the
// window's tick does; every tick timed on its own.
void BM_TickAfterOneAnswer(benchmark::State& state) {
  Student student;
  practice::WeakNotePick pick;
  for (std::int64_t i = 0; i < state.range(0); ++i) pick.Observe(student.Next());
  const auto pool = Pool();
  theory::Random random;
  std::vector<double> micros;
  for (auto _ : state) {
    const practice::FirstTry answer = student.Next();
    const auto start = std::chrono::steady_clock::now();
    pick.Observe(answer);
    benchmark::DoNotOptimize(pick.Pick(random, pool, student.NowMs()));
    micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(micros.begin(), micros.end());
  const auto at = [&](double share) {
    return micros[std::min(micros.size() - 1, static_cast<std::size_t>(share * static_cast<double>(micros.size())))];
  };
  state.counters["p50_us"] = at(0.5);
  state.counters["p99_us"] = at(0.99);
  state.counters["max_us"] = micros.back();
}
// A new student (every kind of student still weighed) and one with a long history.
BENCHMARK(BM_TickAfterOneAnswer)->Arg(0)->Arg(100'000)->Iterations(5000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lintra::bench

BENCHMARK_MAIN();

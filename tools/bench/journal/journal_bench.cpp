// Times what the journal costs the trainer:
//   - recording an answer on the calling (user-interface) thread, through the writer thread;
//   - the queries the Progress window makes, over a journal FILE (make one with journal_generate);
//   - the bytes the file takes per answer.
//   bench_journal FILE [KEY]    (KEY: the key whose mastery map is shown, "GMajor1" by default)
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "journal/journal.h"
#include "journal/journal_reader.h"
#include "journal/journal_writer.h"
#include "tools/bench/journal/practice_generator.h"
#include "ui/key_menus.h"

namespace {

using namespace lintra::journal;
using Clock = std::chrono::steady_clock;

double Micros(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  return values[std::min(values.size() - 1, static_cast<std::size_t>(p * static_cast<double>(values.size())))];
}

// Answers recorded as a student gives them (paced) and as fast as a loop can (a burst that fills
// the queue): the time Record() takes on this thread.
void TimeRecording() {
  std::vector<AnswerRecord> answers;
  bench::PracticePlan plan;
  plan.answers = 20'000;
  bench::GeneratePractice(
      plan, [&](const std::vector<AnswerRecord>& s) { answers.insert(answers.end(), s.begin(), s.end()); });
  const auto folder = std::filesystem::temp_directory_path() / ("bench-journal-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  for (const bool paced : {true, false}) {
    const std::string file = (folder / (paced ? "paced.sqlite" : "burst.sqlite")).string();
    std::vector<double> costs;
    {
      JournalWriter writer(std::make_unique<Journal>(file));
      for (const AnswerRecord& answer : answers) {
        const auto start = Clock::now();
        writer.Record(answer);
        costs.push_back(Micros(Clock::now() - start));
        if (paced) std::this_thread::sleep_for(std::chrono::microseconds(500));
      }
    }
    std::printf("record (%s, %zu answers): median %.1f us, p99 %.1f us, p99.9 %.1f us, max %.1f us\n",
                paced ? "one every 0.5 ms" : "burst", costs.size(), Percentile(costs, 0.5), Percentile(costs, 0.99),
                Percentile(costs, 0.999), *std::max_element(costs.begin(), costs.end()));
  }
  std::filesystem::remove_all(folder);
}

void TimeQueries(const std::string& file, const std::string& keyItem) {
  const auto key = lintra::ui::KeyOfMenu(keyItem).value_or(lintra::theory::KeyId::GMajor);
  {
    // Opened once to bring the file to this version; closing the last connection empties the log
    // into the file, so that its size is all of it.
    Journal journal(file);
    if (journal.TakeNotice()) {
      std::printf("cannot open %s as a journal\n", file.c_str());
      return;
    }
  }
  const auto bytes = static_cast<std::int64_t>(std::filesystem::file_size(file));
  Journal journal(file);
  const JournalReader reader = journal.Reader();
  const std::int64_t answers = reader.AnswerCount();
  const std::int64_t now = reader.LastAnswerUtcMs().value_or(0) + 60'000;
  std::printf("file: %lld answers, %lld bytes, %.1f bytes per answer\n", static_cast<long long>(answers),
              static_cast<long long>(bytes), static_cast<double>(bytes) / static_cast<double>(answers));

  // The first round runs on a cold cache of this connection (the system's file cache is warm).
  for (int round = 0; round < 5; ++round) {
    const auto t0 = Clock::now();
    const auto notes = reader.LastFirstTries(key);
    const auto t1 = Clock::now();
    const auto days = reader.DailyTrend(now, 30, 60);
    const auto t2 = Clock::now();
    const auto sessions = reader.SessionTrend(20);
    const auto t3 = Clock::now();
    const auto mistakes = reader.RecentMistakes(now, 7);
    const auto t4 = Clock::now();
    std::printf(
        "queries round %d: mastery %.1f ms (%zu notes), 30 days %.1f ms (%zu), 20 sessions %.1f ms (%zu), "
        "7-day mistakes %.1f ms (%zu kinds); all %.1f ms\n",
        round + 1, Micros(t1 - t0) / 1000, notes.size(), Micros(t2 - t1) / 1000, days.size(), Micros(t3 - t2) / 1000,
        sessions.size(), Micros(t4 - t3) / 1000, mistakes.size(), Micros(t4 - t0) / 1000);
  }
}

}  // namespace

int main(int argc, char** argv) {
  TimeRecording();
  if (argc > 1) TimeQueries(argv[1], argc > 2 ? argv[2] : "GMajor1");
  return 0;
}

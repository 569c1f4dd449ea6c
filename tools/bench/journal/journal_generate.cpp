// Writes a journal of simulated practice, for looking at the Progress window and for timing.
//   journal_generate FILE [ANSWERS [SEED]]    (1,000,000 answers, seed 1 by default)
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "journal/journal.h"
#include "tools/bench/journal/practice_generator.h"

int main(int argc, char** argv) {
  using namespace lintra::journal;
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FILE [ANSWERS [SEED]]\n", argv[0]);
    return 2;
  }
  const std::string file = argv[1];
  struct stat info {};
  if (::stat(file.c_str(), &info) == 0) {
    std::fprintf(stderr, "%s exists; it is left alone\n", file.c_str());
    return 1;
  }
  bench::PracticePlan plan;
  if (argc > 2) plan.answers = std::atoll(argv[2]);
  if (argc > 3) plan.seed = static_cast<std::uint32_t>(std::strtoul(argv[3], nullptr, 10));
  Journal journal(file);
  if (auto notice = journal.TakeNotice()) {
    std::fprintf(stderr, "cannot write %s: %s\n", file.c_str(), notice->detail.c_str());
    return 1;
  }
  bool ok = true;
  const std::int64_t last = bench::GeneratePractice(
      plan, [&](const std::vector<AnswerRecord>& session) { ok = journal.Append(session) && ok; });
  std::printf("%lld answers from %lld to %lld (%.1f days)\n", static_cast<long long>(plan.answers),
              static_cast<long long>(plan.startUtcMs), static_cast<long long>(last),
              static_cast<double>(last - plan.startUtcMs) / 86'400'000.0);
  return ok && !journal.InMemory() ? 0 : 1;
}

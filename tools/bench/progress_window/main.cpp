// Times opening the Progress window over a journal FILE (make one with journal_generate): the
// journal's queries, the layout and the first paint, offscreen. The first round opens a new
// window on a new connection; later rounds show the same window again, as the trainer does.
//   bench_progress_window FILE [KEY [ROUNDS]]    (GMajor1, 5 rounds by default)
#include <time.h>

#include <QApplication>
#include <QPixmap>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "app/qt/progress/progress_window.h"
#include "tools/progress_shot/journal_request.h"

namespace {

using Clock = std::chrono::steady_clock;
double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The processor time of this thread: what opening costs on a machine other programs share.
double CpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_progress_window FILE [KEY [ROUNDS]]\n");
    return 2;
  }
  const auto request = lintra::tools::RequestOver(argv[1], argc > 2 ? argv[2] : "GMajor1");
  const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;

  const auto t0 = Clock::now();
  const double cpu0 = CpuMs();
  const auto report = lintra::coach::ReadProgress(request);
  std::printf("queries alone: %.1f ms, %.1f ms processor (%zu notes, %zu days, %zu sessions, %zu mistake kinds)\n",
              Ms(Clock::now() - t0), CpuMs() - cpu0, report.notes.size(), report.days.size(), report.sessions.size(),
              report.mistakes.size());

  std::unique_ptr<lintra::progress::ProgressWindow> window;
  std::vector<double> totals, processor;
  for (int round = 1; round <= rounds; ++round) {
    const auto start = Clock::now();
    const double cpuStart = CpuMs();
    if (!window) window = std::make_unique<lintra::progress::ProgressWindow>();
    window->Show(request);
    const auto shown = Clock::now();
    const QPixmap painted = window->grab();  // lays out and paints every widget once
    const auto end = Clock::now();
    totals.push_back(Ms(end - start));
    processor.push_back(CpuMs() - cpuStart);
    std::printf(
        "round %d%s: show (queries + layout) %.1f ms, first paint %.1f ms (%dx%d), total %.1f ms, "
        "%.1f ms processor\n",
        round, round == 1 ? " (new window)" : "", Ms(shown - start), Ms(end - shown), painted.width(), painted.height(),
        totals.back(), processor.back());
  }
  std::sort(totals.begin(), totals.end());
  std::sort(processor.begin(), processor.end());
  std::printf("open: median %.1f ms, worst %.1f ms over %d rounds (goal < 300 ms); processor median %.1f ms\n",
              totals[totals.size() / 2], totals.back(), rounds, processor[processor.size() / 2]);
  return 0;
}

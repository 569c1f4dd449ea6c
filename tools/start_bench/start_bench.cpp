// Start-up benchmark: starts each program several times under the X server of
// $DISPLAY, alternating between them, and prints for each the median time from
// the start of the process to its window's first painted pixels, and the
// median peak memory (maximum resident set size) of the process.
//
// Usage: lintra-start-bench [--runs N] [--settle MS] PROGRAM...
//
// No window manager runs under Xvfb, so the benchmark stands in for one: it
// maps the first top-level window of each run at the full size of the screen,
// as a window manager does for a maximized window, and keeps it there; later
// windows (message boxes) get what they ask for.
//
// A window counts as shown when pixels of the screen inside its area differ
// from the picture the screen had before the process started: a Qt window has
// no server-side background, so nothing changes there before the program's
// own first paint.  After the paint the program keeps running for the settle
// time (so that what it loads in the background is part of its peak), then it
// is terminated.  Each run gets fresh configuration and data folders of its own.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
  double mappedMs = 0;
  double shownMs = 0;
  double peakMb = 0;
};

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// One row of the screen, as pixel values.
std::vector<unsigned long> Row(Display* display, Window root, int y, int x0, int width) {
  std::vector<unsigned long> pixels;
  XImage* image = XGetImage(display, root, x0, y, static_cast<unsigned>(width), 1, AllPlanes, ZPixmap);
  if (!image) return pixels;
  pixels.reserve(static_cast<std::size_t>(width));
  for (int x = 0; x < width; ++x) pixels.push_back(XGetPixel(image, x, 0));
  XDestroyImage(image);
  return pixels;
}

// The window manager's part: the run's main window goes full screen.
Window mainWindow = 0;

void Manage(Display* display, const XEvent& event) {
  const int width = DisplayWidth(display, DefaultScreen(display));
  const int height = DisplayHeight(display, DefaultScreen(display));
  if (event.type == MapRequest) {
    const Window window = event.xmaprequest.window;
    if (!mainWindow) mainWindow = window;
    if (window == mainWindow)
      XMoveResizeWindow(display, window, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height));
    XMapWindow(display, window);
  } else if (event.type == ConfigureRequest) {
    const XConfigureRequestEvent& request = event.xconfigurerequest;
    XWindowChanges changes{};
    changes.x = request.x;
    changes.y = request.y;
    changes.width = request.width;
    changes.height = request.height;
    changes.border_width = request.border_width;
    changes.sibling = request.above;
    changes.stack_mode = request.detail;
    unsigned long mask = request.value_mask;
    if (request.window == mainWindow) {
      changes = XWindowChanges{0, 0, width, height, 0, request.above, request.detail};
      mask = CWX | CWY | CWWidth | CWHeight | CWBorderWidth | (request.value_mask & (CWSibling | CWStackMode));
    }
    XConfigureWindow(display, request.window, static_cast<unsigned>(mask), &changes);
  }
  XFlush(display);
}

// Waits for the next X event up to `deadline`; false on timeout.
bool NextEvent(Display* display, XEvent& event, Clock::time_point deadline) {
  while (!XPending(display)) {
    const double left = Ms(deadline - Clock::now());
    if (left <= 0) return false;
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(std::min(left, 1000.0)) + 1);
  }
  XNextEvent(display, &event);
  return true;
}

// Starts `program` with its configuration, data and runtime folders in `config`.
pid_t Launch(const std::string& program, const char* config) {
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("XDG_CONFIG_HOME", config, 1);
    setenv("XDG_DATA_HOME", config, 1);  // a fresh practice journal too, not the user's
    setenv("XDG_RUNTIME_DIR", config, 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    // The programs' complaints about missing sound and MIDI systems are not
    // the benchmark's output.
    if (FILE* null = std::fopen("/dev/null", "w")) dup2(fileno(null), STDERR_FILENO);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  return pid;
}

// Rows of the screen a maximized window covers, as they looked before it appeared.
struct Rows {
  std::array<int, 3> y;
  std::vector<std::vector<unsigned long>> before;
};

// True once `window` has changed one of the rows it covers.
bool WaitUntilPainted(Display* display, Window root, Window window, const Rows& rows, Clock::time_point deadline) {
  const int screenWidth = DisplayWidth(display, DefaultScreen(display));
  XWindowAttributes attributes;
  XGetWindowAttributes(display, window, &attributes);
  const int x0 = std::clamp(attributes.x, 0, screenWidth - 1);
  const int x1 = std::clamp(attributes.x + attributes.width, x0 + 1, screenWidth);
  XEvent event;
  while (Clock::now() < deadline) {
    for (std::size_t i = 0; i < rows.y.size(); ++i) {
      if (rows.y[i] < attributes.y || rows.y[i] >= attributes.y + attributes.height) continue;
      const auto now = Row(display, root, rows.y[i], x0, x1 - x0);
      if (!std::equal(now.begin(), now.end(), rows.before[i].begin() + x0)) return true;
    }
    while (XPending(display)) {
      XNextEvent(display, &event);
      Manage(display, event);
    }
    usleep(500);
  }
  return false;
}

std::optional<Run> RunOnce(Display* display, const std::string& program, int settleMs) {
  const Window root = DefaultRootWindow(display);
  const int screenWidth = DisplayWidth(display, DefaultScreen(display));
  const int screenHeight = DisplayHeight(display, DefaultScreen(display));
  XSync(display, False);
  mainWindow = 0;

  Rows rows{{screenHeight / 4, screenHeight / 2, 3 * screenHeight / 4}, {}};
  for (const int y : rows.y) rows.before.push_back(Row(display, root, y, 0, screenWidth));

  char configTemplate[] = "/tmp/lintra-start-bench.XXXXXX";
  const char* config = mkdtemp(configTemplate);
  if (!config) return std::nullopt;

  const auto start = Clock::now();
  const pid_t pid = Launch(program, config);
  if (pid < 0) return std::nullopt;

  Run run;
  bool ok = false;
  const auto deadline = start + std::chrono::seconds(20);
  Window window = 0;
  XEvent event;
  while (!window && NextEvent(display, event, deadline)) {
    Manage(display, event);
    if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect &&
        event.xmap.window == mainWindow)
      window = event.xmap.window;
  }
  if (window) {
    run.mappedMs = Ms(Clock::now() - start);
    ok = WaitUntilPainted(display, root, window, rows, deadline);
    run.shownMs = Ms(Clock::now() - start);
  }
  const auto settled = Clock::now() + std::chrono::milliseconds(ok ? settleMs : 0);
  while (NextEvent(display, event, settled)) Manage(display, event);

  kill(pid, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  run.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
  std::error_code ec;
  std::filesystem::remove_all(config, ec);
  if (!ok) {
    std::fprintf(stderr, "%s: no window was painted\n", program.c_str());
    return std::nullopt;
  }
  return run;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 5;
  int settleMs = 2000;
  std::vector<std::string> programs;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else if (arg == "--settle" && i + 1 < argc) {
      settleMs = std::max(0, std::atoi(argv[++i]));
    } else {
      programs.push_back(arg);
    }
  }
  if (programs.empty()) {
    std::fprintf(stderr, "usage: %s [--runs N] [--settle MS] PROGRAM...\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "cannot open the X display (run under xvfb-run)\n");
    return 2;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureRedirectMask | SubstructureNotifyMask);
  XSync(display, False);

  std::vector<std::vector<Run>> results(programs.size());
  for (int r = 0; r < runs; ++r) {
    for (std::size_t p = 0; p < programs.size(); ++p) {
      const auto run = RunOnce(display, programs[p], settleMs);
      if (!run) return 1;
      std::printf("run %d %-40s mapped %7.1f ms  shown %7.1f ms  peak %6.1f MB\n", r + 1,
                  std::filesystem::path(programs[p]).filename().c_str(), run->mappedMs, run->shownMs, run->peakMb);
      results[p].push_back(*run);
    }
  }
  std::printf("\nmedians of %d runs\n", runs);
  double firstShown = 0, firstPeak = 0;
  for (std::size_t p = 0; p < programs.size(); ++p) {
    std::vector<double> mapped, shown, peak;
    for (const auto& run : results[p]) {
      mapped.push_back(run.mappedMs);
      shown.push_back(run.shownMs);
      peak.push_back(run.peakMb);
    }
    const double s = Median(shown), m = Median(peak);
    if (p == 0) firstShown = s, firstPeak = m;
    std::printf("%-40s shown %7.1f ms (mapped %7.1f ms)  peak %6.1f MB", programs[p].c_str(), s, Median(mapped), m);
    if (p > 0) std::printf("  = %.2fx the time, %+.1f MB against the first", s / firstShown, m - firstPeak);
    std::printf("\n");
  }
  XCloseDisplay(display);
  return 0;
}

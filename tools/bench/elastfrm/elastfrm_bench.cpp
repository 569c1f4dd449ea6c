// One rescale of a form with the main window's 57 controls, on the design screen (1.0x) and on a
// screen two and a half times as large (2.5x). Runs on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <memory>

#include "controls/elastfrm.h"

namespace {

using lintra::controls::TElasticForm;

struct Place {
  int left, top, width, height;
};

// The main window's controls other than the keyboard, at their design bounds.
constexpr Place kFields[] = {
    {96, 16, 592, 26},   {96, 48, 592, 26},   {96, 120, 125, 30},  {96, 187, 125, 30},  {232, 120, 249, 138},
    {496, 120, 105, 30}, {496, 160, 105, 21}, {496, 184, 105, 30}, {56, 88, 39, 16},    {432, 88, 50, 16},
    {96, 80, 190, 26},   {496, 80, 190, 26},  {48, 160, 41, 25},   {256, 120, 233, 89},
};

constexpr int kWhiteKeys = 25;
// Black keys follow these white keys (F, G, A, C, D in every octave).
constexpr bool kBlackAfter[kWhiteKeys] = {1, 1, 1, 0, 1, 1, 0, 1, 1, 1, 0, 1, 1, 0, 1, 1, 1, 0, 1, 1, 0, 1, 1, 1, 0};

std::unique_ptr<QWidget> MakeForm() {
  auto form = std::make_unique<QWidget>();
  form->setObjectName("Form2");
  int n = 0;
  auto add = [&](const Place& p) {
    auto* w = new QLabel(form.get());
    w->setObjectName(QString("Control%1").arg(n++));
    w->setGeometry(p.left, p.top, p.width, p.height);
  };
  for (const Place& p : kFields) add(p);
  for (int i = 0; i < kWhiteKeys; ++i) {
    add({32 * i, 269, 32, 143});
    if (kBlackAfter[i]) add({32 * i + 24, 269, 20, 91});
  }
  return form;
}

void Rescale(benchmark::State& state, double screenRatio) {
  auto form = MakeForm();
  auto* elastic = new TElasticForm(form.get());
  elastic->SetDesignScreenWidth(808);
  elastic->SetDesignScreenHeight(580);
  elastic->SetDesignFormWidth(819);
  elastic->SetDesignFormHeight(478);
  elastic->SetDesignFormClientWidth(803);
  elastic->SetDesignFormClientHeight(420);
  elastic->SetScreenSizeForTesting(QSize(static_cast<int>(808 * screenRatio), static_cast<int>(580 * screenRatio)));
  int rescales = 0;
  elastic->OnAfterResize = [&] { ++rescales; };
  form->show();
  QCoreApplication::processEvents();

  const QSize base = form->size();
  rescales = 0;
  bool wide = false;
  for (auto _ : state) {
    // Ten pixels either way: each resize is one rescale.
    wide = !wide;
    form->resize(base.width() + (wide ? 10 : 0), base.height());
  }
  state.counters["controls"] = static_cast<double>(elastic->RecordedControls().size());
  state.counters["rescales_per_iteration"] = benchmark::Counter(rescales, benchmark::Counter::kAvgIterations);
}

BENCHMARK_CAPTURE(Rescale, design_screen_1_0x, 1.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Rescale, large_screen_2_5x, 2.5)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// How long the whole on-screen keyboard takes to repaint, at the design size and enlarged 2.5 times as
// on a large maximized window. Runs on Qt's offscreen platform unless another one is chosen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QWidget>
#include <QWindow>
#include <memory>

#include "tools/bench/gradbtn/keyboard_layout.h"

namespace {

using lintra::bench::BuildKeyboard;
using lintra::bench::Keyboard;

struct Stage {
  explicit Stage(double scale) {
    window = std::make_unique<QWidget>();
    window->resize(int(803 * scale), int(420 * scale));
    keyboard = BuildKeyboard(window.get(), scale, true);
    window->show();
    // Until the platform exposes the window, repaint() has nowhere to paint and returns at once.
    QElapsedTimer waited;
    waited.start();
    while (!window->windowHandle()->isExposed() && waited.elapsed() < 5000) QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }
  std::unique_ptr<QWidget> window;
  Keyboard keyboard;
};

double ScaleOf(const benchmark::State& state) { return double(state.range(0)) / 10.0; }

// Each key paints its off-screen image and copies it to the window's backing store.
void BM_KeyboardRepaint(benchmark::State& state) {
  Stage stage(ScaleOf(state));
  if (!stage.window->windowHandle()->isExposed()) {
    state.SkipWithError("the window was never exposed");
    return;
  }
  for (auto _ : state) {
    for (auto* key : stage.keyboard.whiteKeys) key->repaint();
    for (auto* key : stage.keyboard.blackKeys) key->repaint();
  }
  state.SetItemsProcessed(state.iterations() * 43);
}

// The same 43 paints into one image, as when the whole window is drawn at once.
void BM_KeyboardRender(benchmark::State& state) {
  Stage stage(ScaleOf(state));
  QImage target(stage.window->size(), QImage::Format_RGB32);
  for (auto _ : state) {
    stage.window->render(&target);
    benchmark::DoNotOptimize(target.constBits());
  }
  state.SetItemsProcessed(state.iterations() * 43);
}

BENCHMARK(BM_KeyboardRepaint)->Arg(10)->Arg(25)->ArgName("scale_x10")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyboardRender)->Arg(10)->Arg(25)->ArgName("scale_x10")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

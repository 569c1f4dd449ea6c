// How long a line of notes takes to reach the screen: drawn onto the window's kept picture, which
// holds an image at the next whole scale, and reduced to the paint box's size, at the design size
// and at 2.5 times it as on a large maximized window. Eight notes after six flats on the alto
// staff, the line with the most draws. Runs on Qt's offscreen platform unless another is chosen.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cmath>
#include <vector>

#include "notation/line_painter.h"
#include "notation/picture_canvas.h"
#include "theory/note_table.h"

namespace {

using lintra::notation::LineNote;
using lintra::notation::NoteState;

std::vector<LineNote> Line(int round) {
  // D2 and D4 on ledger lines with their natural signs, the others plain; the reading moves on.
  const lintra::theory::NoteSlot heads[] = {15, 57, 12, 36, 15, 45, 57, 24};
  std::vector<LineNote> notes;
  for (int i = 0; i < 8; ++i) {
    const auto slot = heads[i];
    const NoteState state = i < round % 8 ? NoteState::Right : i == round % 8 ? NoteState::Reading : NoteState::Ahead;
    notes.push_back({slot, slot == 15 || slot == 57 ? "n" : "", state});
  }
  return notes;
}

// The window's picture after its first paint: the line drawn, its image kept at the whole scale.
struct Picture {
  explicit Picture(double scale)
      : drawnAt(static_cast<int>(std::ceil(scale - 1e-6))),
        shown(static_cast<int>(lintra::notation::kAreaWidth * scale),
              static_cast<int>(lintra::notation::kAreaHeight * scale)) {
    Draw(0);
    canvas.Image(drawnAt);
  }
  void Draw(int round) { lintra::notation::DrawLine(canvas, alto, "b", 6, Line(round)); }
  QImage Reduced() {
    const QImage& image = canvas.Image(drawnAt);
    return image.size() == shown ? image : image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }

  const lintra::notation::StaffLayout alto = lintra::notation::StaffLayout::Single(lintra::theory::Clef::Alto);
  const int drawnAt;
  const QSize shown;
  lintra::notation::PictureCanvas canvas;
};

// The line's draws alone, onto the kept image.
void BM_LineDrawn(benchmark::State& state) {
  Picture picture(static_cast<double>(state.range(0)) / 10.0);
  int round = 0;
  for (auto _ : state) picture.Draw(++round);
  state.counters["kept_draws"] = static_cast<double>(picture.canvas.KeptDraws());
}

// Drawn and reduced to the paint box, as the window shows it.
void BM_LineShown(benchmark::State& state) {
  Picture picture(static_cast<double>(state.range(0)) / 10.0);
  int round = 0;
  for (auto _ : state) {
    picture.Draw(++round);
    const QImage reduced = picture.Reduced();
    benchmark::DoNotOptimize(reduced.constBits());
  }
}

// Qt may reduce a large image on threads of its own: their time is counted too.
BENCHMARK(BM_LineDrawn)->Arg(10)->Arg(25)->ArgName("scale_x10")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LineShown)->Arg(10)->Arg(25)->ArgName("scale_x10")->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

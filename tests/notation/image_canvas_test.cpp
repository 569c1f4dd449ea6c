#include "notation/image_canvas.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <algorithm>
#include <vector>

#include "notation/music_font.h"
#include "notation/staff_painter.h"

namespace lintra::notation {
namespace {

const TextStyle kBlack{"Partita", 24, TextColour::Black, false};
const TextStyle kBlackOpaque{"Partita", 24, TextColour::Black, true};
const TextStyle kWhiteOpaque{"Partita", 24, TextColour::White, true};

bool Dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

// Centres of the runs of dark pixels down one column.
std::vector<double> DarkRunCentres(const QImage& image, int x) {
  std::vector<double> centres;
  int start = -1;
  for (int y = 0; y <= image.height(); ++y) {
    const bool dark = y < image.height() && Dark(image, x, y);
    if (dark && start < 0) start = y;
    if (!dark && start >= 0) {
      centres.push_back((start + y - 1) / 2.0);
      start = -1;
    }
  }
  return centres;
}

int CountDark(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += Dark(image, x, y) ? 1 : 0;
  return count;
}

class ImageCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!MusicFontAvailable()) {
      GTEST_SKIP() << "no music font: assets/fonts/LintraMusic.ttf was not embedded";
    }
    QFont font(MusicFontFamily());
    font.setPixelSize(32);
    ascent = QFontMetrics(font).ascent();
  }

  ImageCanvas canvas;
  int ascent = 0;
};

TEST_F(ImageCanvasTest, IsAWhiteStaffArea) {
  EXPECT_EQ(QSize(249, 138), canvas.Image().size());
  EXPECT_EQ(0, CountDark(canvas.Image()));
}

TEST_F(ImageCanvasTest, TrebleStaffLinesStandWhereTheLayoutExpects) {
  canvas.DrawText(0, 20, "=======", kBlackOpaque);
  const std::vector<double> lines = DarkRunCentres(canvas.Image(), 100);
  ASSERT_EQ(5u, lines.size());
  const double bottom = 20 + ascent;
  EXPECT_NEAR(bottom, lines[4], 1.0);
  EXPECT_NEAR(bottom - 32, lines[0], 1.0);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    EXPECT_NEAR(8.0, lines[i] - lines[i - 1], 1.0);
  }
}

TEST_F(ImageCanvasTest, NoteHeadIsCentredOnItsRow) {
  canvas.DrawText(82, 20, "w", kBlack);
  int top = -1, lowest = -1;
  for (int y = 0; y < canvas.Image().height(); ++y) {
    for (int x = 0; x < canvas.Image().width(); ++x) {
      if (Dark(canvas.Image(), x, y)) {
        if (top < 0) top = y;
        lowest = y;
      }
    }
  }
  ASSERT_GE(top, 0) << "the note drew nothing";
  EXPECT_NEAR(20 + ascent, (top + lowest) / 2.0, 1.0);
  EXPECT_LE(lowest - top, 12) << "a note head spans about one staff space";
}

TEST_F(ImageCanvasTest, OpaqueDrawsClearTheirCellTransparentOnesDoNot) {
  canvas.DrawText(82, 20, "w", kBlack);
  canvas.DrawText(0, 20, "=======", kBlackOpaque);
  const std::vector<double> linesAlone = DarkRunCentres(canvas.Image(), 100);
  // The staff's opaque cell swallowed the note drawn before it.
  canvas.DrawText(0, 20, "=======", kWhiteOpaque);
  EXPECT_EQ(0, CountDark(canvas.Image()));

  canvas.DrawText(0, 20, "=======", kBlackOpaque);
  const int staffOnly = CountDark(canvas.Image());
  canvas.DrawText(82, 20, "w", kBlack);
  EXPECT_GT(CountDark(canvas.Image()), staffOnly);
  EXPECT_EQ(linesAlone, DarkRunCentres(canvas.Image(), 100));

  canvas.Clear();
  EXPECT_EQ(0, CountDark(canvas.Image()));
}

TEST_F(ImageCanvasTest, StaysInGreyLevelsUntilDrawnInColour) {
  canvas.DrawText(0, 20, "=======", kBlackOpaque);
  EXPECT_EQ(QImage::Format_Grayscale8, canvas.Image().format());
  canvas.DrawText(82, 20, "w", {"Partita", 24, TextColour::Vermillion, false});
  EXPECT_EQ(QImage::Format_RGB32, canvas.Image().format());
  // The head's middle row: its two sides in vermillion; the staff lines left of it still dark.
  int vermillion = 0;
  for (int x = 82; x < 96; ++x) {
    const QColor pixel = canvas.Image().pixelColor(x, 20 + ascent);
    if (pixel.red() > 150 && pixel.green() > 50 && pixel.green() < 130 && pixel.blue() < 60) ++vermillion;
  }
  EXPECT_GE(vermillion, 2);
  EXPECT_EQ(5u, DarkRunCentres(canvas.Image(), 60).size());
}

TEST_F(ImageCanvasTest, TheBlankAccidentalShowsNothing) {
  canvas.DrawText(74, 20, " ", kBlack);
  EXPECT_EQ(0, CountDark(canvas.Image()));
}

TEST_F(ImageCanvasTest, GrandStaffFitsTheArea) {
  StaffPainter painter(canvas);
  painter.DrawStaff("b", 6);
  std::int32_t x = 0;
  painter.DrawNote("", -24, x);  // B4, the highest note
  painter.DrawNote("#", 72, x);  // F#1, the lowest
  const QImage& image = canvas.Image();
  // Nothing may be cut off: the outermost rows and columns stay white.
  for (int col = 0; col < image.width(); ++col) {
    EXPECT_FALSE(Dark(image, col, 0)) << "top row, x " << col;
    EXPECT_FALSE(Dark(image, col, image.height() - 1)) << "bottom row, x " << col;
  }
}

// Along every row that a staff or ledger line touches, the grey is the same from the line's first
// pixel to its last: the pieces of "=======" and "--" add no darker (or lighter) dot where they meet.
TEST_F(ImageCanvasTest, LinesAreEvenAcrossTheJoinsOfTheirPieces) {
  for (const int scale : {1, 2, 3}) {
    ImageCanvas lines(scale);
    lines.DrawText(0, 20, "=======", kBlackOpaque);
    lines.DrawText(150, 60, "--", kBlack);  // alone, below the staff
    const QImage& image = lines.Image();
    int rowsWithInk = 0;
    for (int y = 0; y < image.height(); ++y) {
      int first = -1, last = -1;
      for (int x = 0; x < image.width(); ++x) {
        if (qGray(image.pixel(x, y)) < 250) {
          if (first < 0) first = x;
          last = x;
        }
      }
      if (first < 0) continue;
      ++rowsWithInk;
      int lightest = 0, darkest = 255;
      for (int x = first + 1; x < last; ++x) {
        lightest = std::max(lightest, qGray(image.pixel(x, y)));
        darkest = std::min(darkest, qGray(image.pixel(x, y)));
      }
      EXPECT_LE(lightest - darkest, 6) << "scale " << scale << ", row " << y << ", x " << first << ".." << last;
    }
    EXPECT_GE(rowsWithInk, 6 * scale) << "five staff lines and a ledger line at scale " << scale;
  }
}

}  // namespace
}  // namespace lintra::notation

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

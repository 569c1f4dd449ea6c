#include "notation/picture_canvas.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include "notation/music_font.h"
#include "notation/staff_painter.h"

namespace lintra::notation {
namespace {

// Rounds of questions: staves with signatures, notes at both ends of the range and in between,
// two notes side by side, notes drawn over each other, and a staff drawn afresh each time.
void DrawRounds(Canvas& canvas, int rounds) {
  StaffPainter painter(canvas);
  const int heights[] = {-24, -20, 28, 72, 44, 0, 68, 12};
  for (int round = 0; round < rounds; ++round) {
    painter.DrawStaff(round % 3 == 0 ? "b" : round % 3 == 1 ? "#" : " ", static_cast<std::int8_t>(round % 8));
    std::int32_t x = 0;
    painter.DrawNote(round % 2 ? "#" : "", heights[round % 8], x);
    painter.DrawNote("n", heights[(round + 3) % 8], x);
    x = 0;
    painter.DrawNote("b", heights[(round + 5) % 8], x);
  }
}

TEST(PictureCanvas, DrawsAfreshAtAnyScaleWhatWasDrawnAndForgetsWhatWasCleared) {
  if (!MusicFontAvailable()) GTEST_SKIP() << "no music font: assets/fonts/LintraMusic.ttf was not embedded";
  auto direct = [](int scale, int times) {  // eleven rounds, `times` over, straight onto an image
    ImageCanvas canvas(scale);
    for (int i = 0; i < times; ++i) DrawRounds(canvas, 11);
    return canvas.Image();
  };
  PictureCanvas picture;
  DrawRounds(picture, 11);
  EXPECT_EQ(picture.Image(1), direct(1, 1));
  EXPECT_EQ(picture.Image(3), direct(3, 1));  // replayed from what it kept
  DrawRounds(picture, 11);                    // drawn onto the kept image
  EXPECT_EQ(picture.Image(3), direct(3, 2));
  EXPECT_EQ(picture.Render(2), direct(2, 2));
  // Of twenty-two staves with their notes only the last ones are kept.
  EXPECT_LE(picture.KeptDraws(), 30u);
}

}  // namespace
}  // namespace lintra::notation

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

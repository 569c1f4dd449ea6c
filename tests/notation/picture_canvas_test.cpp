#include "notation/picture_canvas.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include "notation/music_font.h"
#include "notation/staff_painter.h"

namespace lintra::notation {
namespace {

// Sends every draw to both canvases, as the window's paint box receives them.
class BothCanvases final : public Canvas {
public:
    BothCanvases(Canvas& a, Canvas& b) : a_(a), b_(b) {}
    void DrawText(int x, int y, std::string_view text, const TextStyle& style) override {
        a_.DrawText(x, y, text, style);
        b_.DrawText(x, y, text, style);
    }

private:
    Canvas& a_;
    Canvas& b_;
};

// A question session: staves with signatures, notes at both ends of the range and in between,
// two notes side by side, notes drawn over each other, and a staff drawn afresh each time.
void DrawSession(Canvas& canvas, int rounds) {
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
    PictureCanvas picture;
    ImageCanvas direct1(1);
    BothCanvases first(picture, direct1);
    DrawSession(first, 11);
    EXPECT_EQ(picture.Image(1), direct1.Image());
    // Asked for another scale, it replays what it kept; later draws go onto that image too.
    ImageCanvas replayed3(3);
    DrawSession(replayed3, 11);
    EXPECT_EQ(picture.Image(3), replayed3.Image());
    BothCanvases more(picture, replayed3);
    DrawSession(more, 5);
    EXPECT_EQ(picture.Image(3), replayed3.Image());
    EXPECT_EQ(picture.Render(1), [] {
        ImageCanvas all(1);
        DrawSession(all, 11);
        DrawSession(all, 5);
        return all.Image();
    }());
    // Sixteen rounds of fifteen and more draws each: only the last staff and its notes are kept.
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

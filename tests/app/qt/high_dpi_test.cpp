// The real window at a device pixel ratio of 2 (QT_SCALE_FACTOR=2 unless set).
#include <gtest/gtest.h>

#include <QAction>

#include "tests/app/qt/window_testing.h"

namespace lintra::frontend {
namespace {

// Neighbouring device pixels of one logical pixel that differ: a picture enlarged from logical
// pixels has none, one drawn at device resolution has them along every slanted or curved edge.
int EdgesOneDevicePixelWide(const QImage& image) {
  int edges = 0;
  for (int y = 0; y + 1 < image.height(); y += 2)
    for (int x = 0; x + 1 < image.width(); x += 2)
      edges += (image.pixel(x, y) != image.pixel(x + 1, y)) + (image.pixel(x, y) != image.pixel(x, y + 1));
  return edges;
}

TEST(HighDpi, ButtonsCaptionsAndTheStaffAreDrawnWithDevicePixels) {
  ASSERT_DOUBLE_EQ(qApp->devicePixelRatio(), 2.0);
  QTemporaryDir folder;
  auto window = OpenWindow(folder, QSize(808, 580));
  window->ActionNamed("NoteNames")->trigger();
  Settle();
  for (const char* name : {"StartButton", "AnsDisplay", "c3"}) {
    const QImage shot = window->WidgetNamed(name)->grab().toImage();
    ASSERT_EQ(shot.size(), window->WidgetNamed(name)->size() * 2) << name;
    EXPECT_GT(EdgesOneDevicePixelWide(shot), 20) << name;
  }
  // At the design size the staff shows exactly as drawn at two device pixels per pixel.
  PaintBoxWidget* box = window->PaintBox();
  ASSERT_EQ(box->size(), QSize(249, 138));
  EXPECT_TRUE(box->grab().toImage().convertToFormat(QImage::Format_RGB32) ==
              box->Picture(2).convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace lintra::frontend

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) qputenv("QT_SCALE_FACTOR", "2");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

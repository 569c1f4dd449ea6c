// The real window at a device pixel ratio of 2 (QT_SCALE_FACTOR=2 unless set):
// buttons, captions and the staff are drawn with the screen's own pixels.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "app/qt/main_window.h"
#include "controls/elastfrm.h"
#include "midi/composite_service.h"
#include "midi/fake_midi_service.h"

namespace lintra::frontend {
namespace {

void Wait(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Neighbouring device pixels of one logical pixel that differ: a picture enlarged from logical
// pixels has none, a picture drawn at device resolution has them along every slanted or curved edge.
int EdgesOneDevicePixelWide(const QImage& image) {
  int edges = 0;
  for (int y = 0; y + 1 < image.height(); y += 2)
    for (int x = 0; x + 1 < image.width(); x += 2) {
      edges += image.pixel(x, y) != image.pixel(x + 1, y);
      edges += image.pixel(x, y) != image.pixel(x, y + 1);
    }
  return edges;
}

TEST(HighDpi, ButtonsCaptionsAndTheStaffHaveEdgesOneDevicePixelWide) {
  ASSERT_DOUBLE_EQ(qApp->devicePixelRatio(), 2.0) << "QT_SCALE_FACTOR must be 2";
  QTemporaryDir folder;
  auto service = std::make_unique<midi::CompositeMidiService>(std::make_unique<midi::FakeMidiService>(),
                                                              std::make_unique<midi::NullSynthService>());
  MainWindow window(std::move(service), folder.filePath("cmbtext.qor").toStdString(), "Note Help.html");
  window.ElasticForm1()->SetScreenSizeForTesting(QSize(808, 580));
  window.Create();
  window.show();
  Wait(100);
  window.resize(window.size() + QSize(ui::kDesignClientWidth, ui::kDesignClientHeight) - window.Client()->size());
  window.Action("NoteNames")->trigger();
  Wait(50);
  for (const char* name : {"StartButton", "AnsDisplay", "c3"}) {
    QWidget* widget = window.Widget(name);
    const QImage shot = widget->grab().toImage();
    ASSERT_EQ(shot.size(), widget->size() * 2) << name;
    EXPECT_GT(EdgesOneDevicePixelWide(shot), 20) << name;
  }
  // At the design size the staff is shown exactly as drawn at two device pixels per pixel.
  PaintBoxWidget* box = window.PaintBox();
  ASSERT_EQ(box->size(), QSize(249, 138));
  const QImage staff = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage drawn = box->Picture(2).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(staff.size(), drawn.size());
  EXPECT_TRUE(staff == drawn);
  EXPECT_GT(EdgesOneDevicePixelWide(staff), 20);
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

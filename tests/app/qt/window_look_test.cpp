// How the real window looks on the offscreen platform: its colours whatever the
// desktop's palette, the note names on the white keys, and texts that fit
// their controls at every size the window is used at.
#include <gtest/gtest.h>

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

std::unique_ptr<MainWindow> OpenWindow(const QTemporaryDir& folder, QSize screen) {
  auto service = std::make_unique<midi::CompositeMidiService>(std::make_unique<midi::FakeMidiService>(),
                                                              std::make_unique<midi::NullSynthService>());
  auto window = std::make_unique<MainWindow>(std::move(service), folder.filePath("cmbtext.qor").toStdString(),
                                             "Note Help.html");
  window->ElasticForm1()->SetScreenSizeForTesting(screen);
  window->Create();
  window->show();
  Wait(100);
  return window;
}

QPalette DarkDesktop() {
  QPalette dark(QColor(53, 53, 53));
  for (const auto role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button})
    dark.setColor(role, QColor(30, 30, 30));
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText})
    dark.setColor(role, QColor(230, 230, 230));
  dark.setColor(QPalette::Light, QColor(90, 90, 90));
  dark.setColor(QPalette::Dark, QColor(10, 10, 10));
  dark.setColor(QPalette::Highlight, QColor(200, 120, 0));
  return dark;
}

TEST(WindowLook, ADarkDesktopPaletteChangesNoPixel) {
  const QPalette desktop = QApplication::palette();
  QTemporaryDir folder;
  // Opened on a dark desktop, with the device panel open so that lists and labels show too.
  QApplication::setPalette(DarkDesktop());
  auto window = OpenWindow(folder, QSize(808, 580));
  window->Action("Outputs1")->trigger();
  Wait(50);
  const QImage onDark = window->grab().toImage();
  QApplication::setPalette(desktop);
  Wait(50);
  const QImage onLight = window->grab().toImage();
  ASSERT_EQ(onDark.size(), onLight.size());
  int differing = 0;
  for (int y = 0; y < onDark.height(); ++y)
    for (int x = 0; x < onDark.width(); ++x) differing += onDark.pixel(x, y) != onLight.pixel(x, y);
  EXPECT_EQ(differing, 0) << "of " << onDark.width() * onDark.height() << " pixels";

  // And the colours are the layout's: a silver window, white score fields, black text ("Start";
  // the device panel emptied Items).
  QWidget* client = window->Client();
  const QPoint silver = client->mapTo(window.get(), QPoint(4, client->height() / 2 - 40));
  EXPECT_EQ(onLight.pixel(silver), qRgb(192, 192, 192));
  for (const char* name : {"Score", "Items"}) {
    QWidget* field = window->Widget(name);
    const QRect inside(field->mapTo(window.get(), QPoint(4, 4)), field->size() - QSize(8, 8));
    int white = 0, black = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
      for (int x = inside.left(); x <= inside.right(); ++x) {
        white += onLight.pixel(x, y) == qRgb(255, 255, 255);
        black += qGray(onLight.pixel(x, y)) < 40;
      }
    EXPECT_GT(white, inside.width() * inside.height() / 2) << name;
    if (std::string_view(name) == "Score") {
      EXPECT_GT(black, 10) << name << " shows its text in black";
    }
  }
}

}  // namespace
}  // namespace lintra::frontend

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

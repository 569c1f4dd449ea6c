// How the real window looks on the offscreen platform: its colours whatever the
// desktop's palette, the note names on the white keys, and texts that fit
// their controls at every size the window is used at.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QElapsedTimer>

#include "app/qt/main_window.h"
#include "app/qt/text_room.h"
#include "controls/gradbtn.h"
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

struct WindowSize {
  const char* name;
  QSize screen;  // the maximized-window area
  QSize outer;   // the window with its frame; empty: the design client area
};

const WindowSize kSizes[] = {
    {"design size", {808, 580}, {}},
    {"640 x 400", {808, 580}, {640, 400}},
    {"maximized on 1366 x 768", {1366, 768}, {1366, 768}},
    {"maximized on 1280 x 1024", {1280, 1024}, {1280, 1024}},
    {"maximized on 1920 x 1080", {1920, 1080}, {1920, 1080}},
    {"maximized on 2560 x 1440", {2560, 1440}, {2560, 1440}},
};

void Resize(MainWindow& window, const WindowSize& size) {
  if (size.outer.isEmpty()) {
    window.resize(window.size() + QSize(ui::kDesignClientWidth, ui::kDesignClientHeight) - window.Client()->size());
  } else {
    // A maximized window fills the screen whatever its dragging limit.
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window.resize(size.outer - (window.frameGeometry().size() - window.size()));
  }
  Wait(50);
}

bool IsTextControl(const QWidget* widget) {
  return qobject_cast<const QLabel*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
         qobject_cast<const QComboBox*>(widget) || qobject_cast<const controls::TGradBtn*>(widget);
}

// Every label, field, list and button shows its whole text, with the longest texts the window
// puts in them and the device panel and the syllable names open; at the design size every font
// is the layout's.
TEST(WindowLook, NoTextIsCutOffAtAnySize) {
  for (const WindowSize& size : kSizes) {
    SCOPED_TRACE(size.name);
    QTemporaryDir folder;
    auto window = OpenWindow(folder, size.screen);
    Resize(*window, size);
    window->Action("Outputs1")->trigger();
    window->Action("NoteNames")->trigger();
    window->Action("Syllables")->trigger();
    auto& model = window->Form().Model();
    model.SetText(model.C("QuestShw"), "Play scale-steps of C# Harmonic Minor-");
    model.SetText(model.C("AnsShow"), "That is correct: Sol#1");
    model.SetText(model.C("Score"), "New Scale");
    model.SetText(model.C("Items"), "1000");
    Wait(20);
    ASSERT_TRUE(window->Widget("cmbOutput")->isVisible());
    EXPECT_EQ(static_cast<QComboBox*>(window->Widget("cmbOutput"))->currentText(), "Built-in Synthesizer");
    int checked = 0;
    for (QWidget* widget : window->Client()->findChildren<QWidget*>()) {
      if (!widget->isVisible() || !IsTextControl(widget) || widget->objectName().isEmpty()) continue;
      // The measured font is the one the fonts-liberation package installs (tools/install-deps.sh).
      ASSERT_EQ(QFontInfo(widget->font()).family(), "Liberation Sans") << widget->objectName().toStdString();
      const QFontMetrics metrics(widget->font());
      for (const QString& text : TextsOf(widget)) {
        EXPECT_LE(metrics.horizontalAdvance(text), TextRoom(widget))
            << widget->objectName().toStdString() << ": \"" << text.toStdString() << "\" at "
            << widget->font().pointSize() << " pt in " << widget->width() << " px";
      }
      ++checked;
    }
    EXPECT_EQ(checked, 4 + 3 + 2 + 2 + 43) << "fields, labels, lists, buttons and keys";
    if (size.outer.isEmpty()) {
      EXPECT_EQ(window->Widget("QuestShw")->font().pointSize(), 12);
      EXPECT_EQ(window->Widget("Score")->font().pointSize(), 14);
      EXPECT_EQ(window->Widget("Label3")->font().pointSize(), 10);
      EXPECT_EQ(window->Widget("cmbOutput")->font().pointSize(), 12);
      EXPECT_EQ(window->Widget("StartButton")->font().pointSize(), 10);
      EXPECT_EQ(window->Widget("F1")->font().pointSize(), 8);
    }
  }
}

// A white key's name lies wholly in the part of the key below the black keys.
TEST(WindowLook, WhiteKeyNamesAreDrawnWhereTheBlackKeysLeaveTheKeyVisible) {
  for (const WindowSize& size : {kSizes[0], kSizes[1], kSizes[3]}) {
    SCOPED_TRACE(size.name);
    QTemporaryDir folder;
    auto window = OpenWindow(folder, size.screen);
    Resize(*window, size);
    const int blackBottom = window->Widget("F1sharp")->geometry().bottom();
    for (const char* naming : {"Letters", "Syllables"}) {
      window->Action(naming)->trigger();
      window->Action("NoteNamesOff")->trigger();
      std::vector<QImage> unnamed;
      for (const auto& key : ui::Keyboard()) unnamed.push_back(window->Widget(key.name)->grab().toImage());
      window->Action("NoteNames")->trigger();
      for (std::size_t i = 0; i < ui::Keyboard().size(); ++i) {
        const auto& key = ui::Keyboard()[i];
        if (key.black) continue;
        QWidget* widget = window->Widget(key.name);
        const QImage named = widget->grab().toImage();
        int changed = 0, hidden = 0;
        for (int y = 0; y < named.height(); ++y)
          for (int x = 0; x < named.width(); ++x) {
            if (named.pixel(x, y) == unnamed[i].pixel(x, y)) continue;
            ++changed;
            hidden += widget->y() + y <= blackBottom;
          }
        EXPECT_GT(changed, 10) << key.name << " shows its " << naming;
        EXPECT_EQ(hidden, 0) << key.name << ": pixels of the name behind the black keys";
      }
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

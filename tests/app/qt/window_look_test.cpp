// How the real window looks on the offscreen platform: its colours whatever the desktop's palette,
// the note names on the white keys, and texts that fit their controls at every size in use.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include "app/qt/text_room.h"
#include "controls/gradbtn.h"
#include "tests/app/qt/window_testing.h"
#include "translations/program_language.h"
#include "ui/language.h"

namespace lintra::frontend {
namespace {

TEST(WindowLook, ADarkDesktopPaletteChangesNoPixel) {
  const QPalette light = QApplication::palette();
  QPalette dark(QColor(30, 30, 30));
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) dark.setColor(role, Qt::white);
  QApplication::setPalette(dark);  // the window opens on a dark desktop...
  QTemporaryDir folder;
  auto window = OpenWindow(folder, QSize(808, 580));
  window->ActionNamed("Outputs1")->trigger();  // lists and labels show too
  Settle();
  const QImage onDark = window->grab().toImage();
  QApplication::setPalette(light);  // ...which then turns light
  Settle();
  const QImage onLight = window->grab().toImage();
  EXPECT_TRUE(onDark == onLight);
  // The colours are the layout's: silver window, white score field with black text.
  EXPECT_EQ(onLight.pixel(window->Client()->mapTo(window.get(), QPoint(4, 250))), qRgb(192, 192, 192));
  const QRect score(window->WidgetNamed("Score")->mapTo(window.get(), QPoint(4, 4)),
                    window->WidgetNamed("Score")->size() - QSize(8, 8));
  EXPECT_EQ(onLight.pixel(score.topLeft()), qRgb(255, 255, 255));
  int black = 0;
  for (int x = score.left(); x <= score.right(); ++x) black += qGray(onLight.pixel(x, score.center().y())) < 40;
  EXPECT_GT(black, 3) << "\"Start\" in black";
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

// Every menu title in the bar, none behind its extension button.
void CheckMenuTitlesShown(QMenuBar* bar) {
  for (QAction* title : bar->actions()) {
    EXPECT_LE(bar->actionGeometry(title).right(), bar->width() - 1)
        << title->text().toStdString() << " at " << bar->font().pointSize() << " pt of "
        << QFontInfo(bar->font()).family().toStdString();
  }
}

void CheckTextsFit(const WindowSize& size, bool designFonts, bool menuTitles) {
  SCOPED_TRACE(size.name);
  QTemporaryDir folder;
  auto window = OpenWindow(folder, size.screen, size.outer);
  for (const char* item : {"Outputs1", "NoteNames", "Syllables"}) window->ActionNamed(item)->trigger();
  auto& model = window->Form().Model();
  model.SetText(model.C(ui::control::QuestShw), "Play scale-steps of C# Harmonic Minor-");
  model.SetText(model.C(ui::control::AnsShow), "That is correct: Sol#1");
  model.SetText(model.C(ui::control::Score), "New Scale");
  model.SetText(model.C(ui::control::Items), "1000");
  Settle();
  EXPECT_EQ(static_cast<QComboBox*>(window->WidgetNamed("cmbOutput"))->currentText(), "Built-in Synthesizer");
  if (menuTitles) CheckMenuTitlesShown(window->menuBar());
  int checked = 0;
  for (QWidget* widget : window->Client()->findChildren<QWidget*>()) {
    const bool text = qobject_cast<QLabel*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                      qobject_cast<QComboBox*>(widget) || qobject_cast<controls::TGradBtn*>(widget);
    if (!text || !widget->isVisible() || widget->objectName().isEmpty()) continue;
    const std::string name = widget->objectName().toStdString();
    // The measured font is the one tools/install-deps.sh installs (fonts-liberation).
    ASSERT_EQ(QFontInfo(widget->font()).family(), "Liberation Sans") << name;
    for (const QString& shown : TextsOf(widget)) {
      EXPECT_LE(QFontMetrics(widget->font()).horizontalAdvance(shown), TextRoom(widget))
          << name << ": \"" << shown.toStdString() << "\" at " << widget->font().pointSize() << " pt";
    }
    ++checked;
  }
  EXPECT_EQ(checked, 4 + 3 + 2 + 2 + 43) << "fields, labels, lists, buttons and keys";
  if (designFonts && size.outer.isEmpty()) {
    for (const auto& [name, points] :
         {std::pair{"QuestShw", 12}, {"Score", 14}, {"Label3", 10}, {"cmbOutput", 12}, {"StartButton", 10}, {"F1", 8}})
      EXPECT_EQ(window->WidgetNamed(name)->font().pointSize(), points) << name;
  }
}

// Every label, field, list and button shows its whole text, with the longest texts the window puts
// in them, the device panel open and the syllable names on, in English, in every shipped language and
// in the pseudo-translation 40% longer; at the design size the English fonts are the layout's. The
// menu titles show in one row in every language; the pseudo-translation's need a wide screen.
TEST(WindowLook, NoTextIsCutOffAtAnySizeInAnyLanguage) {
  std::vector<std::string> languages{std::string(ui::kEnglish), std::string(ui::kPseudoLanguage)};
  for (const auto language : ui::ShippedLanguages()) languages.emplace_back(language);
  for (const auto& language : languages) {
    SCOPED_TRACE(language);
    const translations::ProgramLanguage speaking(language);
    for (const WindowSize& size : kSizes)
      CheckTextsFit(size, language == ui::kEnglish, language != ui::kPseudoLanguage || size.screen.width() >= 1280);
  }
}
// A white key's name lies wholly in the part of the key below the black keys.
TEST(WindowLook, WhiteKeyNamesAreDrawnWhereTheBlackKeysLeaveTheKeyVisible) {
  for (const WindowSize& size : {kSizes[0], kSizes[1], kSizes[3]}) {
    SCOPED_TRACE(size.name);
    QTemporaryDir folder;
    auto window = OpenWindow(folder, size.screen, size.outer);
    const int blackBottom = window->WidgetNamed("F1sharp")->geometry().bottom();
    for (const char* naming : {"Letters", "Syllables"}) {
      window->ActionNamed(naming)->trigger();
      window->ActionNamed("NoteNamesOff")->trigger();
      std::vector<QImage> unnamed;
      for (const auto& key : ui::Keyboard()) unnamed.push_back(window->WidgetNamed(key.name)->grab().toImage());
      window->ActionNamed("NoteNames")->trigger();
      for (std::size_t i = 0; i < ui::Keyboard().size(); ++i) {
        if (ui::Keyboard()[i].black) continue;
        QWidget* key = window->WidgetNamed(ui::Keyboard()[i].name);
        const QImage named = key->grab().toImage();
        int changed = 0, hidden = 0;
        for (int y = 0; y < named.height(); ++y)
          for (int x = 0; x < named.width(); ++x)
            if (named.pixel(x, y) != unnamed[i].pixel(x, y)) {
              ++changed;
              hidden += key->y() + y <= blackBottom;
            }
        EXPECT_GT(changed, 10) << key->objectName().toStdString() << " shows its name";
        EXPECT_EQ(hidden, 0) << key->objectName().toStdString() << ": pixels of its name behind the black keys";
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

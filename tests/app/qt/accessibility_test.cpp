// The window as a screen reader sees it, through Qt's accessibility
// interfaces on the offscreen platform: names and roles, announcements,
// keyboard use and the remembered octave numbering.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleEvent>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <set>

#include "app/qt/main_window.h"
#include "controls/elastfrm.h"
#include "controls/gradbtn.h"
#include "midi/composite_service.h"
#include "midi/null_synth_service.h"
#include "testing/fake_midi_service.h"
#include "tests/app/qt/window_testing.h"

namespace lintra::frontend {
namespace {

std::unique_ptr<TestWindow> Open(const QTemporaryDir& folder) { return OpenCreated(folder); }

QString Name(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); }

int KeyOfQuestion(MainWindow& window) { return window.Form().QuestionNote - ui::kLowestKeyNote; }

TEST(Accessibility, EveryControlIsNamedAndKeysAreNamedByTheirNotes) {
  QTemporaryDir folder;
  auto window = Open(folder);
  auto& model = window->Form().Model();
  for (const auto& control : model.AllControls()) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window->WidgetNamed(control->Name()));
    ASSERT_NE(iface, nullptr) << control->Name();
    EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty()) << control->Name();
    const bool button = control->Kind() == ui::ControlKind::Key || control->Kind() == ui::ControlKind::Button;
    if (button) {
      EXPECT_EQ(iface->role(), QAccessible::Button) << control->Name();
    }
  }
  EXPECT_EQ(Name(window->WidgetNamed("StartButton")), "Next Question");
  EXPECT_EQ(Name(window->WidgetNamed("F1")), "F1");
  EXPECT_EQ(Name(window->WidgetNamed("F1sharp")), "F#1 / Gb1");
  EXPECT_EQ(Name(window->WidgetNamed("c3")), "C3");

  // The names follow the naming and the octave numbering as they change.
  window->ActionNamed("Syllables")->trigger();
  EXPECT_EQ(Name(window->WidgetNamed("c3")), "Dó3");
  window->ActionNamed("MiddleCIsC4")->trigger();
  EXPECT_EQ(Name(window->WidgetNamed("c3")), "Dó4");
  EXPECT_EQ(Name(window->WidgetNamed("A4sharp")), "Lá#5 / Si(b)5");

  // A screen reader presses a key as the student would click it.
  QAccessibleInterface* key = QAccessible::queryAccessibleInterface(
      window->WidgetNamed(ui::Keyboard()[static_cast<std::size_t>(KeyOfQuestion(*window))].name));
  ASSERT_NE(key->actionInterface(), nullptr);
  key->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(window->Form().AnswerCount, 1);
  EXPECT_EQ(model.C(ui::control::AnsShow).text.rfind("That is correct: ", 0), 0U);
}

std::vector<std::pair<QObject*, QString>> announced;

TEST(Accessibility, TheAnswerLineAndTheScoreAnnounceTheirChanges) {
  QTemporaryDir folder;
  auto window = Open(folder);
  // The offscreen platform has no accessibility bridge (QAccessible::isActive()
  // stays false there), so the test takes the bridge's place.
  announced.clear();
  window->Announce = [](QAccessibleEvent* event) {
    ASSERT_EQ(event->type(), QAccessible::ValueChanged);
    announced.emplace_back(event->object(), static_cast<QAccessibleValueChangeEvent*>(event)->value().toString());
  };
  const int right = KeyOfQuestion(*window);
  static_cast<controls::TGradBtn*>(window->WidgetNamed(ui::Keyboard()[right == 0 ? 1 : 0].name))->Click();
  window->Advance(700);  // the wrong answer's question sounds again
  static_cast<controls::TGradBtn*>(window->WidgetNamed(ui::Keyboard()[static_cast<std::size_t>(right)].name))->Click();
  auto heard = [&](std::string_view control, const QString& text) {
    for (const auto& [object, said] : announced) {
      if (object == window->WidgetNamed(control) && said == text) return true;
    }
    return false;
  };
  EXPECT_TRUE(heard("AnsShow", "Try again!"));
  EXPECT_TRUE(heard("Score", "0.0%"));
  EXPECT_TRUE(heard("Score", "50.00%"));
  EXPECT_TRUE(heard("Items", "1"));
  EXPECT_TRUE(heard("AnsShow", QString::fromStdString("That is correct: " + window->Form().DisplayName)));
  // What is announced is what the field tells a screen reader when asked.
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window->WidgetNamed("Score"))->text(QAccessible::Value), "50.00%");
  window->Announce = nullptr;
}

TEST(Accessibility, TheKeyboardReachesEveryKeyAndEnterAnswers) {
  QTemporaryDir folder;
  auto window = Open(folder);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  window->WidgetNamed("F1")->setFocus();
  std::set<QString> reached;
  for (int i = 0; i < 60 && QApplication::focusWidget(); ++i) {
    reached.insert(QApplication::focusWidget()->objectName());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  for (const auto& key : ui::Keyboard())
    EXPECT_TRUE(reached.count(QString::fromUtf8(key.name.data(), key.name.size()))) << key.name;
  EXPECT_TRUE(reached.count("StartButton") && reached.count("AnsDisplay"));

  QWidget* right = window->WidgetNamed(ui::Keyboard()[static_cast<std::size_t>(KeyOfQuestion(*window))].name);
  right->setFocus();
  QTest::keyClick(right, Qt::Key_Return);
  EXPECT_EQ(window->Form().AnswerCount, 1);
  EXPECT_EQ(window->Form().WrongCount, 0);
}

TEST(Accessibility, EveryMenuOpensWithItsOwnAccessKey) {
  QTemporaryDir folder;
  auto window = Open(folder);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  std::set<QChar> keys;
  for (QAction* action : window->menuBar()->actions()) {
    const QString text = action->text();
    const auto at = text.indexOf('&');
    ASSERT_GE(at, 0) << text.toStdString();
    const QChar key = text[at + 1].toLower();
    EXPECT_TRUE(keys.insert(key).second) << "access key used twice: " << text.toStdString();
    QTest::keyClick(window.get(), key.toLatin1(), Qt::AltModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), action->menu()) << text.toStdString();
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  }
  EXPECT_EQ(keys.size(), 11U);
}

TEST(Accessibility, MiddleCIsC4IsRememberedBetweenStarts) {
  QTemporaryDir folder;
  {
    auto window = Open(folder);
    EXPECT_FALSE(window->ActionNamed("MiddleCIsC4")->isChecked());
    window->ActionNamed("MiddleCIsC4")->trigger();
    EXPECT_TRUE(window->ActionNamed("MiddleCIsC4")->isChecked());
  }
  auto window = Open(folder);
  EXPECT_TRUE(window->ActionNamed("MiddleCIsC4")->isChecked());
  EXPECT_EQ(Name(window->WidgetNamed("c3")), "C4");
  window->ActionNamed("MiddleCIsC4")->trigger();
  auto again = Open(folder);
  EXPECT_FALSE(again->ActionNamed("MiddleCIsC4")->isChecked());
}

}  // namespace
}  // namespace lintra::frontend

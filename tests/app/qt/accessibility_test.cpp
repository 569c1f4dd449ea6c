// The window as a screen reader sees it, through Qt's accessibility
// interfaces on the offscreen platform: names and roles, announcements,
// keyboard use and the remembered octave numbering.
#include "app/qt/accessibility.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleEvent>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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

QWidget* KeyWidget(MainWindow& window, int index) {
  return window.WidgetNamed(ui::Keyboard()[static_cast<std::size_t>(index)].name);
}

TEST(Accessibility, EveryAnswerAndQuestionIsSaidAndTheCountOnlyAsItSettles) {
  QTemporaryDir folder;
  auto window = Open(folder);
  // The offscreen platform has no accessibility bridge: the test takes its place.
  std::vector<QString> said;
  window->Announcements().Deliver = [&said](QAccessibleEvent* event) { said.push_back(Announcer::MessageOf(event)); };
  QStringList counts;
  QObject::connect(static_cast<QLineEdit*>(window->WidgetNamed("Items")), &QLineEdit::textChanged,
                   [&counts](const QString& text) { counts << text; });
  const int right = KeyOfQuestion(*window);
  auto* wrong = static_cast<controls::TGradBtn*>(KeyWidget(*window, right == 0 ? 1 : 0));
  wrong->Click();
  wrong->Click();  // the same text again, said again
  window->Advance(700);
  static_cast<controls::TGradBtn*>(KeyWidget(*window, right))->Click();
  const QString answer = QString::fromStdString("That is correct: " + window->Form().DisplayName);
  window->Advance(700);  // the next question
  ASSERT_EQ(said.size(), 4U);
  EXPECT_EQ(said[0], "Try again!");
  EXPECT_EQ(said[1], "Try again!");
  EXPECT_EQ(said[2], answer);
  // The next question is told by where its note stands: the staff is the one told before.
  EXPECT_TRUE(said[3].startsWith("The note is ")) << said[3].toStdString();
  // Two wrong answers and a right one: the count went from 0 to 1, never to 1 and back.
  EXPECT_EQ(counts, QStringList{"1"});
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window->WidgetNamed("Score"))->text(QAccessible::Value), "33.33%");
  window->Announcements().Deliver = nullptr;
}

TEST(Accessibility, TheStaffIsAPictureDescribedInWords) {
  QTemporaryDir folder;
  auto window = Open(folder);
  QAccessibleInterface* staff = QAccessible::queryAccessibleInterface(window->PaintBox());
  EXPECT_EQ(staff->role(), QAccessible::Graphic);
  EXPECT_EQ(staff->text(QAccessible::Name), "Staff");
  const QString question = staff->text(QAccessible::Description);
  EXPECT_TRUE(question.startsWith("Grand staff with a treble clef and a bass clef. No key signature. The note is "))
      << question.toStdString();
  window->ActionNamed("EMajor1")->trigger();  // the staff is drawn anew with four sharps
  EXPECT_EQ(staff->text(QAccessible::Description),
            "Grand staff with a treble clef and a bass clef. Key signature of four sharps. No note is shown.");
}

TEST(Accessibility, FieldsAreReadOnlyListsAreNamedByTheirLabelsAndTheProgramIsLintra) {
  QTemporaryDir folder;
  auto window = Open(folder);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(qApp)->text(QAccessible::Name), "Lintra");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window.get())->text(QAccessible::Name), "Lintra");
  for (const char* name : {"QuestShw", "AnsShow", "Score", "Items"}) {
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(window->WidgetNamed(name));
    EXPECT_FALSE(field->state().editable) << name;
    EXPECT_TRUE(field->state().readOnly) << name;
    EXPECT_EQ(field->editableTextInterface(), nullptr) << name;
    ASSERT_NE(field->textInterface(), nullptr) << name;
    const QString text = static_cast<QLineEdit*>(window->WidgetNamed(name))->text();
    EXPECT_EQ(field->textInterface()->text(0, field->textInterface()->characterCount()), text) << name;
  }
  QAccessibleInterface* outputs = QAccessible::queryAccessibleInterface(window->WidgetNamed("cmbOutput"));
  EXPECT_EQ(outputs->role(), QAccessible::ComboBox);
  EXPECT_EQ(outputs->text(QAccessible::Name), "Outputs");
  EXPECT_EQ(outputs->text(QAccessible::Value),
            static_cast<QComboBox*>(window->WidgetNamed("cmbOutput"))->currentText());
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window->WidgetNamed("cmbInput"))->text(QAccessible::Name), "Inputs");
  int separators = 0;
  for (QAction* action : window->findChildren<QAction*>()) {
    if (!action->isSeparator()) continue;
    ++separators;
    EXPECT_TRUE(action->text().isEmpty()) << action->text().toStdString();
  }
  EXPECT_GT(separators, 0);
  // The time and mistake line's text is there to be read.
  window->ActionNamed("ShowTimeAndMistake")->trigger();
  window->Form().ClickControl(window->Form().Model().Key(KeyOfQuestion(*window)));
  auto* line = window->WidgetNamed("StatusLine")->findChild<QLabel*>();
  ASSERT_NE(line, nullptr);
  EXPECT_FALSE(line->text().isEmpty());
  EXPECT_EQ(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Name), line->text());
}

TEST(Accessibility, ArrowsHomeEndAndLettersMoveAmongTheKeysAndSpaceOrEnterPresses) {
  QTemporaryDir folder;
  auto window = Open(folder);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  auto focusAfter = [](Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
    return QApplication::focusWidget()->objectName().toStdString();
  };
  KeyWidget(*window, 0)->setFocus();
  EXPECT_EQ(focusAfter(Qt::Key_Right), "F1sharp");
  EXPECT_EQ(focusAfter(Qt::Key_Up), "F2sharp");
  EXPECT_EQ(focusAfter(Qt::Key_Left), "f2");
  EXPECT_EQ(focusAfter(Qt::Key_Down), "F1");
  EXPECT_EQ(focusAfter(Qt::Key_Left), "F1");  // the lowest key holds
  EXPECT_EQ(focusAfter(Qt::Key_End), "B4");
  EXPECT_EQ(focusAfter(Qt::Key_Home), "F1");
  EXPECT_EQ(focusAfter(Qt::Key_C), "C2");
  EXPECT_EQ(focusAfter(Qt::Key_C), "c3");
  window->ActionNamed("Syllables")->trigger();  // a letter follows the names the keys are given
  EXPECT_EQ(focusAfter(Qt::Key_S), "g3");

  QWidget* right = KeyWidget(*window, KeyOfQuestion(*window));
  right->setFocus();
  QTest::keyClick(right, Qt::Key_Space);
  EXPECT_EQ(window->Form().AnswerCount, 1);
  window->Advance(700);
  right = KeyWidget(*window, KeyOfQuestion(*window));
  right->setFocus();
  QTest::keyClick(right, Qt::Key_Return);
  EXPECT_EQ(window->Form().AnswerCount, 2);
  EXPECT_EQ(window->Form().WrongCount, 0);

  // Tab still reaches every key, in the layout's order.
  std::set<QString> reached;
  for (int i = 0; i < 60 && QApplication::focusWidget(); ++i) {
    reached.insert(QApplication::focusWidget()->objectName());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  for (const auto& key : ui::Keyboard())
    EXPECT_TRUE(reached.count(QString::fromUtf8(key.name.data(), key.name.size()))) << key.name;
}

// Every menu of the bar opens with its key, also after the captions that change have changed.
TEST(Accessibility, EveryMenuOpensWithItsOwnAccessKeyWhateverItsCaptionSays) {
  QTemporaryDir folder;
  auto window = Open(folder);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  auto keysOpeningTheirMenus = [&window] {
    std::vector<QChar> keys;
    for (QAction* action : window->menuBar()->actions()) {
      const QString text = action->text();
      const auto at = text.indexOf('&');
      if (at < 0 || at + 1 >= text.size()) {
        ADD_FAILURE() << "no access key: " << text.toStdString();
        continue;
      }
      keys.push_back(text[at + 1].toLower());
      QTest::keyClick(window.get(), keys.back().toLatin1(), Qt::AltModifier);
      EXPECT_EQ(QApplication::activePopupWidget(), action->menu()) << text.toStdString();
      if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    }
    return keys;
  };
  const std::vector<QChar> keys = keysOpeningTheirMenus();
  EXPECT_EQ(std::set<QChar>(keys.begin(), keys.end()).size(), 12U) << "an access key used twice";
  window->ActionNamed("Syllables")->trigger();  // "Syllables?" becomes "Letters?"
  window->ActionNamed("NoteNames")->trigger();  // "Note Names On?" becomes "Note Names Off?"
  EXPECT_EQ(window->ActionNamed("Syllables1")->text(), "Letter&s?");
  EXPECT_EQ(window->ActionNamed("NoteNamesOn")->text(), "&Note Names Off?");
  EXPECT_EQ(keysOpeningTheirMenus(), keys);
  // A caption without its menu's letter shows the key after it.
  EXPECT_EQ(WithAccessKey("Clefs", QChar('z')), "Clefs (&Z)");
  EXPECT_EQ(AccessKeysOf({"Mode", "Midi", "&Help", "Mm"}), (std::vector<QChar>{'m', 'i', 'h', QChar()}));
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

// The real window on Qt's offscreen platform: built from the layout tables,
// kept in step with the model, and its picture kept across child repaints.
#include "app/qt/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <map>

#include "controls/elastfrm.h"
#include "controls/gradbtn.h"
#include "midi/composite_service.h"
#include "midi/null_synth_service.h"
#include "notation/staff_painter.h"
#include "testing/fake_midi_service.h"
#include "tests/app/qt/window_testing.h"

namespace lintra::frontend {
namespace {

struct Window {
  QTemporaryDir folder;
  std::unique_ptr<TestWindow> window;
  enum Start { kCreateThenShow, kShowThenCreate };
  explicit Window(QSize screen = QSize(808, 580), std::string helpPage = "Note Help.html", bool maximized = false,
                  Start start = kCreateThenShow) {
    if (start == kCreateThenShow) {
      window = OpenCreated(folder, screen, std::move(helpPage), maximized, {"Keyboard"});
      return;
    }
    window = std::make_unique<TestWindow>(FakeMidi({"Keyboard"}), folder.filePath("cmbtext.qor").toStdString(),
                                          std::move(helpPage));
    window->ElasticForm1()->SetScreenSizeForTesting(screen);
    window->ShowMaximizedThenCreate();  // the program's own start
    window->Advance(100);
  }
  QString Text(std::string_view name) { return static_cast<QLineEdit*>(window->WidgetNamed(name))->text(); }
};

TEST(MainWindow, OpensWithAQuestionAndTheLayoutsControls) {
  Window w;
  auto& form = w.window->Form();
  EXPECT_EQ(w.window->windowTitle(), "Qor Lintra Trainer");
  EXPECT_EQ(w.Text("QuestShw"), "Play scale-steps of C Major");
  EXPECT_EQ(w.Text("Score"), "Start");
  EXPECT_EQ(w.Text("Items"), "0");
  EXPECT_GE(form.CurrentSlot, 36);
  EXPECT_LE(form.CurrentSlot, 69);

  // Black keys take the overlap; below their bottom edge the white key answers.
  QWidget* client = w.window->Client();
  const QRect black = w.window->WidgetNamed("F1sharp")->geometry();
  ASSERT_NE(client->childAt(black.left() + 2, black.top() + 20), nullptr);
  EXPECT_EQ(client->childAt(black.left() + 2, black.top() + 20)->objectName(), "F1sharp");
  EXPECT_EQ(client->childAt(black.left() + 2, black.bottom() + 10)->objectName(), "F1");
  EXPECT_FALSE(w.window->WidgetNamed("cmbInput")->isVisible());
  EXPECT_TRUE(static_cast<QLineEdit*>(w.window->WidgetNamed("Score"))->isReadOnly());
  EXPECT_EQ(static_cast<QLineEdit*>(w.window->WidgetNamed("Score"))->alignment() & Qt::AlignRight, Qt::AlignRight);
}

// Shown first and created after its first paint, the window ends up as one
// created first: devices opened, a question asked and drawn on the staff.
TEST(MainWindow, CreatedAfterItsFirstPaintItAsksAndDrawsTheQuestion) {
  Window w(QSize(808, 580), "Note Help.html", true, Window::kShowThenCreate);
  EXPECT_EQ(w.Text("QuestShw"), "Play scale-steps of C Major");
  EXPECT_EQ(w.Text("Score"), "Start");
  EXPECT_GE(w.window->Form().CurrentSlot, 36);
  EXPECT_LE(w.window->Form().CurrentSlot, 69);
  notation::ImageCanvas empty(w.window->PaintBox()->Picture().devicePixelRatio());
  notation::StaffPainter(empty).DrawStaff(" ", 0);
  EXPECT_NE(w.window->PaintBox()->Picture(), empty.Image());
}

TEST(MainWindow, ScalesTheDesignLayoutWithTheWindow) {
  Window w;
  QWidget* client = w.window->Client();
  // On the design screen with the design client area every control keeps its design bounds.
  w.window->resize(w.window->size() + QSize(ui::kDesignClientWidth, ui::kDesignClientHeight) - client->size());
  Settle();
  ASSERT_EQ(client->size(), QSize(803, 420));
  EXPECT_EQ(w.window->WidgetNamed("StartButton")->geometry(), QRect(96, 120, 125, 30));
  EXPECT_EQ(w.window->WidgetNamed("B4")->geometry(), QRect(768, 269, 32, 143));
  EXPECT_EQ(w.window->WidgetNamed("PaintBox1")->geometry(), QRect(232, 120, 249, 138));

  // One and a half times the client area (the window stays under its 1280 x 1024 limit):
  // bounds scale with rounding to even, black keys stay above white ones.
  w.window->resize(w.window->size() + QSize(1204 - 803, 630 - 420));
  Settle();
  ASSERT_EQ(client->size(), QSize(1204, 630)) << "the menu bar keeps its height";
  const double kx = client->width() / 803.0, ky = client->height() / 420.0;  // the menu bar grows with its font
  auto scaled = [&](int left, int top, int width, int height) {
    return QRect(int(std::nearbyint(left * kx)), int(std::nearbyint(top * ky)), int(std::nearbyint(width * kx)),
                 int(std::nearbyint(height * ky)));
  };
  EXPECT_EQ(w.window->WidgetNamed("StartButton")->geometry(), scaled(96, 120, 125, 30));
  const QRect black = w.window->WidgetNamed("C3sharp")->geometry();
  EXPECT_EQ(black, scaled(376, 269, 20, 91));
  EXPECT_GT(w.window->WidgetNamed("QuestShw")->font().pointSize(), 12) << "fonts grow with the window";
  EXPECT_EQ(client->childAt(black.center())->objectName(), "C3sharp");
}

TEST(MainWindow, ChildRepaintsAndHoveringKeepTheQuestion) {
  Window w;
  const QImage before = w.window->PaintBox()->Picture().copy();
  // A question is drawn: the picture is not the empty C major staff.
  notation::ImageCanvas empty(w.window->PaintBox()->Picture().devicePixelRatio());
  notation::StaffPainter(empty).DrawStaff(" ", 0);
  EXPECT_NE(before, empty.Image());
  QWidget* key = w.window->WidgetNamed("c3");
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QCoreApplication::sendEvent(key, &enter);
  key->repaint();
  w.window->WidgetNamed("Score")->repaint();
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(key, &leave);
  Settle();
  EXPECT_EQ(w.window->PaintBox()->Picture(), before);
  // Resizing rescales the controls but keeps the unanswered question.
  w.window->resize(w.window->size() + QSize(60, 30));
  Settle();
  EXPECT_EQ(w.window->PaintBox()->Picture(), before);
}

TEST(MainWindow, AKeyClickAnswersAndMenusMirrorTheModel) {
  Window w;
  auto& form = w.window->Form();
  const int note = form.QuestionNote;
  auto* key =
      static_cast<controls::TGradBtn*>(w.window->WidgetNamed(ui::Keyboard()[static_cast<std::size_t>(note - 41)].name));
  QTest::mouseClick(key, Qt::LeftButton);
  EXPECT_EQ(w.Text("Items"), "1");
  EXPECT_EQ(w.Text("Score"), "100.00%");
  EXPECT_TRUE(w.Text("AnsShow").startsWith("That is correct: "));

  // Choosing an item runs its handler, which sets the check marks.
  w.window->ActionNamed("Syllables")->trigger();
  EXPECT_TRUE(w.window->ActionNamed("Syllables")->isChecked());
  EXPECT_FALSE(w.window->ActionNamed("Letters")->isChecked());
  w.window->ActionNamed("NoteNames")->trigger();
  EXPECT_EQ(static_cast<controls::TGradBtn*>(w.window->WidgetNamed("F1"))->Caption(), QString::fromUtf8("Fá"));
  // An item cannot be unchecked by choosing it again: only its handler decides.
  w.window->ActionNamed("NoteNames")->trigger();
  EXPECT_TRUE(w.window->ActionNamed("NoteNames")->isChecked());
}

TEST(MainWindow, TypedDeviceNamesApplyOnlyWhenConfirmed) {
  Window w;
  w.window->ActionNamed("Outputs1")->trigger();
  auto* combo = static_cast<QComboBox*>(w.window->WidgetNamed("cmbInput"));
  ASSERT_TRUE(combo->isVisible());
  combo->setFocus();
  QTest::keyClicks(combo, "Key");
  // Half-typed text changes nothing: the panel stays open, no error.
  EXPECT_TRUE(combo->isVisible());
  EXPECT_EQ(w.window->Form().Model().C(ui::control::cmbInput).text, "Keyboard");
}

TEST(MainWindow, UnmaximizedItReturnsToThePlacementForItsScreen) {
  // One and a half times the design screen: the design client area 803 x 420 becomes 1204 x 630
  // at the design position (302, 189), moved to the centre across as it would pass the right edge.
  Window w(QSize(1212, 870), "Note Help.html", /*maximized=*/true);
  ASSERT_TRUE(w.window->isMaximized());
  w.window->showNormal();
  Settle();
  EXPECT_EQ(w.window->Client()->size(), QSize(1204, 630));
  const QRect frame = w.window->frameGeometry();
  EXPECT_EQ(frame.topLeft(), QPoint((1212 - frame.width()) / 2, 189));
  EXPECT_EQ(w.window->WidgetNamed("B4")->geometry(), QRect(1152, 404, 48, 214));
}

TEST(MainWindow, HelpThatCannotBeOpenedIsToldOnceWithItsPlace) {
  QTemporaryDir folder;
  const QString page = folder.filePath("Note Help.html");  // never written
  Window w(QSize(808, 580), page.toStdString());
  w.window->ActionNamed("ProgramHelp")->trigger();
  Settle();
  const auto& boxes = w.window->dialogs.boxes;
  ASSERT_EQ(boxes.size(), 1U);
  EXPECT_NE(boxes[0].find(page.toStdString()), std::string::npos) << boxes[0];
}

// Records what kind of mark each menu item is drawn with.
class MenuMarks : public QProxyStyle {
 public:
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option); item && element == CE_MenuItem) {
      marks[item->text.section('\t', 0, 0)] = item->checkType;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
  }
  mutable std::map<QString, QStyleOptionMenuItem::CheckType> marks;
};

TEST(MainWindow, RadioItemsShowRadioMarksWhileTheHandlersDecideTheChecks) {
  Window w;
  auto& model = w.window->Form().Model();
  MenuMarks style;
  for (QMenu* menu : w.window->findChildren<QMenu*>()) {
    if (menu->objectName().isEmpty()) continue;
    menu->setStyle(&style);
    menu->adjustSize();
    menu->grab();
  }
  int radios = 0;
  for (const auto& item : model.AllMenus()) {
    if (item->parent == nullptr || item->layout.caption == ui::kMenuSeparator) continue;
    const QString caption = QString::fromStdString(item->caption);
    ASSERT_EQ(style.marks.count(caption), 1U) << item->Name();
    radios += item->layout.radio ? 1 : 0;
    EXPECT_EQ(style.marks[caption], item->layout.radio    ? QStyleOptionMenuItem::Exclusive
                                    : item->layout.toggle ? QStyleOptionMenuItem::NonExclusive
                                                          : QStyleOptionMenuItem::NotCheckable)
        << item->Name();
  }
  EXPECT_GT(radios, 40);

  // Refused in the reverse exercise: the group does not get to move the mark.
  w.window->Form().Guard([&] { w.window->Form().PlayKeyboardClick(); });
  const std::size_t before = w.window->dialogs.boxes.size();
  w.window->ActionNamed("AutoModOn")->trigger();
  Settle();
  EXPECT_EQ(w.window->dialogs.boxes.size(), before + 1);
  EXPECT_FALSE(w.window->ActionNamed("AutoModOn")->isChecked());
  EXPECT_TRUE(w.window->ActionNamed("AutoModOff")->isChecked());
}

}  // namespace
}  // namespace lintra::frontend

namespace lintra::frontend {
namespace {

TEST(MainWindow, TheTimeAndMistakeLineIsAStatusBarUnderTheWindowOnlyWhileItsOptionIsOn) {
  Window w;
  auto& form = w.window->Form();
  QWidget* line = w.window->WidgetNamed("StatusLine");
  EXPECT_FALSE(line->isVisible());
  const int clientHeight = w.window->Client()->height();
  w.window->ActionNamed("ShowTimeAndMistake")->trigger();
  Settle();
  EXPECT_TRUE(line->isVisible());
  EXPECT_GE(line->geometry().top(), w.window->Client()->geometry().bottom());
  w.window->Advance(1310);  // the question was shown 90 ms before the window was handed over
  form.ClickControl(form.Model().Key(form.QuestionNote - ui::kLowestKeyNote));
  EXPECT_EQ(line->findChild<QLabel*>()->text(), "1.4 s");
  w.window->ActionNamed("ShowTimeAndMistake")->trigger();
  Settle();
  EXPECT_FALSE(line->isVisible());
  EXPECT_EQ(w.window->Client()->height(), clientHeight);
}

// Most sessions never open it: it is made when first asked for, then shown again each time, and
// while open it hears of every answer and asks the trainer again.
TEST(MainWindow, TheProgressWindowIsMadeWhenFirstAskedForAndThenReused) {
  auto progressWindows = [] {
    auto found = QApplication::topLevelWidgets();
    found.removeIf([](QWidget* widget) { return !qobject_cast<progress::ProgressWindow*>(widget); });
    return found;
  };
  Window w;
  EXPECT_TRUE(progressWindows().empty());
  w.window->ActionNamed("ShowProgress")->trigger();
  Settle();
  const auto first = progressWindows();
  ASSERT_EQ(first.size(), 1);
  EXPECT_TRUE(first[0]->isVisible());
  first[0]->close();
  w.window->ActionNamed("ShowProgress")->trigger();
  Settle();
  EXPECT_EQ(progressWindows(), first);
  EXPECT_TRUE(first[0]->isVisible());

  auto& shown = *static_cast<progress::ProgressWindow*>(first[0]);
  const std::int64_t asked = shown.Shown().nowUtcMs;
  auto& form = w.window->Form();
  w.window->Advance(1000);
  form.ClickControl(form.Model().Key(form.QuestionNote - ui::kLowestKeyNote));
  QTest::qWait(progress::ProgressWindow::kRefreshDelayMs + 200);
  EXPECT_EQ(shown.Shown().nowUtcMs, asked + 1000);
}

// A question whose Yes cannot be undone gives No to the Enter key.
TEST(QtDialogs, EnterGivesTheQuestionsDefaultAnswer) {
  QtDialogs dialogs;
  for (const auto preferred : {ui::DefaultAnswer::No, ui::DefaultAnswer::Yes}) {
    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
    EXPECT_EQ(dialogs.Confirm("Start a new practice journal?", preferred), preferred == ui::DefaultAnswer::Yes);
  }
}

// The toolkit closes the windows when the application quits: "Exit" must not bid farewell twice.
TEST(MainWindow, ExitBidsFarewellOnceAndQuits) {
  Window w;
  w.window->dialogs.boxes.clear();
  QTimer::singleShot(0, [&] { w.window->ActionNamed("Exit1")->trigger(); });
  QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });  // a quit that never comes fails, not hangs
  EXPECT_EQ(QApplication::exec(), 0);
  ASSERT_EQ(w.window->dialogs.boxes.size(), 1u);
  EXPECT_NE(w.window->dialogs.boxes[0].find("Thank you for practising"), std::string::npos);
}

}  // namespace
}  // namespace lintra::frontend

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

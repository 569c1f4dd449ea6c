// The real window on Qt's offscreen platform: built from the layout tables,
// kept in step with the model, and its picture kept across child repaints.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "app/qt/main_window.h"
#include "controls/gradbtn.h"
#include "midi/composite_service.h"
#include "midi/fake_midi_service.h"

namespace lintra::frontend {
namespace {

void Wait(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

struct Window {
  QTemporaryDir folder;
  std::unique_ptr<MainWindow> window;
  Window() {
    auto fake = std::make_unique<midi::FakeMidiService>();
    fake->SetInputDevices({"Keyboard"});
    auto service = std::make_unique<midi::CompositeMidiService>(std::move(fake),
                                                                std::make_unique<midi::NullSynthService>());
    window = std::make_unique<MainWindow>(std::move(service), folder.filePath("cmbtext.qor").toStdString(),
                                          "Note Help.html");
    window->Create();
    window->show();
    Wait(100);  // the first question follows 10 ms after start
  }
  QString Text(std::string_view name) { return static_cast<QLineEdit*>(window->Widget(name))->text(); }
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

  QWidget* client = w.window->Client();
  EXPECT_EQ(client->childAt(30, 300)->objectName(), "F1sharp");
  EXPECT_EQ(client->childAt(30, 380)->objectName(), "F1");
  EXPECT_EQ(w.window->Widget("StartButton")->geometry(), QRect(96, 120, 125, 30));
  EXPECT_FALSE(w.window->Widget("cmbInput")->isVisible());
  EXPECT_TRUE(static_cast<QLineEdit*>(w.window->Widget("Score"))->isReadOnly());
  EXPECT_EQ(static_cast<QLineEdit*>(w.window->Widget("Score"))->alignment() & Qt::AlignRight, Qt::AlignRight);
}

TEST(MainWindow, ChildRepaintsAndHoveringKeepTheQuestion) {
  Window w;
  const QImage before = w.window->PaintBox()->Picture().copy();
  // A question is drawn: the picture is not a blank staff.
  EXPECT_NE(before.pixel(82 + 6, 0), 0u);
  QWidget* key = w.window->Widget("c3");
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QCoreApplication::sendEvent(key, &enter);
  key->repaint();
  w.window->Widget("Score")->repaint();
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(key, &leave);
  Wait(20);
  EXPECT_EQ(w.window->PaintBox()->Picture(), before);
}

TEST(MainWindow, AKeyClickAnswersAndMenusMirrorTheModel) {
  Window w;
  auto& form = w.window->Form();
  const int note = form.QuestionNote;
  auto* key = static_cast<controls::TGradBtn*>(w.window->Widget(ui::Keyboard()[static_cast<std::size_t>(note - 41)].name));
  QTest::mouseClick(key, Qt::LeftButton);
  EXPECT_EQ(w.Text("Items"), "1");
  EXPECT_EQ(w.Text("Score"), "100.00%");
  EXPECT_TRUE(w.Text("AnsShow").startsWith("That is correct: "));

  // Choosing an item runs its handler, which sets the check marks.
  w.window->Action("Syllables")->trigger();
  EXPECT_TRUE(w.window->Action("Syllables")->isChecked());
  EXPECT_FALSE(w.window->Action("Letters")->isChecked());
  w.window->Action("NoteNames")->trigger();
  EXPECT_EQ(static_cast<controls::TGradBtn*>(w.window->Widget("F1"))->Caption(), QString::fromUtf8("Fá"));
  // An item cannot be unchecked by choosing it again: only its handler decides.
  w.window->Action("NoteNames")->trigger();
  EXPECT_TRUE(w.window->Action("NoteNames")->isChecked());
}

TEST(MainWindow, TypedDeviceNamesApplyOnlyWhenConfirmed) {
  Window w;
  w.window->Action("Outputs1")->trigger();
  auto* combo = static_cast<QComboBox*>(w.window->Widget("cmbInput"));
  ASSERT_TRUE(combo->isVisible());
  combo->setFocus();
  QTest::keyClicks(combo, "Key");
  // Half-typed text changes nothing: the panel stays open, no error.
  EXPECT_TRUE(combo->isVisible());
  EXPECT_EQ(w.window->Form().Model().C("cmbInput").text, "Keyboard");
}

}  // namespace
}  // namespace lintra::frontend

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// The gradient button's mouse and keyboard state machine: which events fire in which order, and the
// pressed or raised state and colours it is left in.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gradbtn_testing.h"

namespace lintra::controls {
namespace {

using namespace testing;
using Log = std::vector<std::string>;

class GradBtnEvents : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApp(); }
  void SetUp() override {
    window.resize(300, 100);
    button = new TGradBtn(&window);
    button->setGeometry(10, 10, 125, 30);
    button->SetBeginColor(clGreen);
    button->SetEndColor(clLime);
    other = new TGradBtn(&window);
    other->setGeometry(150, 10, 125, 30);
    Record(button, "");
    TGradBtn::SetEventPump([this] { log.push_back("pump"); });
  }
  void TearDown() override { TGradBtn::SetEventPump({}); }

  void Record(TGradBtn* b, const std::string& prefix) {
    b->OnClick = [this, prefix](TGradBtn*) { log.push_back(prefix + "click"); };
    b->OnMouseDown = [this, prefix](TGradBtn*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
      log.push_back(prefix + "down@" + std::to_string(x) + "," + std::to_string(y));
    };
    b->OnMouseUp = [this, prefix](TGradBtn*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
      log.push_back(prefix + "up@" + std::to_string(x) + "," + std::to_string(y));
    };
    b->OnMouseEnter = [this, prefix](TGradBtn*) { log.push_back(prefix + "enter"); };
    b->OnMouseLeave = [this, prefix](TGradBtn*) { log.push_back(prefix + "leave"); };
  }

  bool AssignedColours() const { return button->BeginColor() == clGreen && button->EndColor() == clLime; }

  QWidget window;
  TGradBtn* button = nullptr;
  TGradBtn* other = nullptr;
  Log log;
};

TEST_F(GradBtnEvents, PlainClickFiresDownClickUpAndRestoresTheRaisedLookFirst) {
  Press(button, QPoint(5, 6));
  EXPECT_TRUE(button->IsDown());
  EXPECT_EQ(button->BeginColor(), clLime);
  Release(button, QPoint(5, 6));
  EXPECT_EQ(log, (Log{"down@5,6", "pump", "click", "up@5,6"}));
  EXPECT_FALSE(button->IsDown());
  EXPECT_TRUE(AssignedColours());
}

TEST_F(GradBtnEvents, DraggingOutRaisesAndReleasingOutsideFiresNoClick) {
  Press(button, QPoint(5, 5));
  DragTo(button, QPoint(200, 5));
  EXPECT_FALSE(button->IsDown());
  EXPECT_TRUE(AssignedColours());
  Release(button, QPoint(200, 5));
  Leave(button);  // the platform's late leave after the release must not repeat the leave
  EXPECT_EQ(log, (Log{"down@5,5", "up@0,0", "leave", "up@200,5"}));
  EXPECT_FALSE(button->IsDown());
  EXPECT_TRUE(AssignedColours());
}

TEST_F(GradBtnEvents, DraggingBackInPressesAgainAndReleasingThereClicks) {
  Press(button, QPoint(5, 5));
  DragTo(button, QPoint(-20, 5));
  DragTo(button, QPoint(6, 6));
  EXPECT_TRUE(button->IsDown());
  EXPECT_EQ(button->BeginColor(), clLime);
  Release(button, QPoint(6, 6));
  EXPECT_EQ(log, (Log{"down@5,5", "up@0,0", "leave", "down@0,0", "enter", "pump", "click", "up@6,6"}));
  EXPECT_TRUE(AssignedColours());
}

TEST_F(GradBtnEvents, DoubleClickClicksOnce) {
  Press(button, QPoint(5, 5));
  Release(button, QPoint(5, 5));
  DoublePress(button, QPoint(5, 5));
  EXPECT_TRUE(button->IsDown());
  Release(button, QPoint(5, 5));
  EXPECT_EQ(log, (Log{"down@5,5", "pump", "click", "up@5,5", "down@5,5", "up@5,5"}));
  EXPECT_FALSE(button->IsDown());
  EXPECT_TRUE(AssignedColours());
}

TEST_F(GradBtnEvents, RightButtonFocusesWithoutPressing) {
  other->setFocus();
  Press(button, QPoint(5, 5), Qt::RightButton);
  EXPECT_EQ(window.focusWidget(), button);
  EXPECT_FALSE(button->IsDown());
  EXPECT_TRUE(AssignedColours());
  Release(button, QPoint(5, 5), Qt::RightButton);
  EXPECT_EQ(log, (Log{"down@5,5", "up@5,5"}));
}

TEST_F(GradBtnEvents, EnterKeyAndCodeClickFireOnceAndKeepColours) {
  Key(button, Qt::Key_Return, "\r");
  EXPECT_EQ(log, (Log{"pump", "click"}));
  button->Click();
  EXPECT_EQ(log, (Log{"pump", "click", "pump", "click"}));
  EXPECT_TRUE(AssignedColours());
  EXPECT_FALSE(button->IsDown());

  log.clear();
  Key(button, Qt::Key_Space, " ");
  EXPECT_TRUE(log.empty()) << "space has no meaning of its own";
}

TEST_F(GradBtnEvents, KeyPressHandlerCanTakeTheEnterKeyAway) {
  button->OnKeyPress = [](TGradBtn*, QChar& key) { key = u'x'; };
  Key(button, Qt::Key_Return, "\r");
  EXPECT_TRUE(log.empty());
}

TEST_F(GradBtnEvents, PumpRunsWithTheRaisedLookAlreadyRestored) {
  button->SetBtnFrameSize(0);
  TColor topDuringPump = 0;
  bool downDuringPump = true;
  TGradBtn::SetEventPump([&] {
    topDuringPump = At(Shot(*button), 60, 0);
    downDuringPump = button->IsDown();
  });
  Press(button, QPoint(5, 5));
  EXPECT_EQ(At(Shot(*button), 60, 0), clLime);
  Release(button, QPoint(5, 5));
  EXPECT_FALSE(downDuringPump);
  EXPECT_EQ(topDuringPump, clGreen);
}

TEST_F(GradBtnEvents, ButtonDestroyedDuringThePumpFiresNothingMore) {
  TGradBtn::SetEventPump([&] {
    delete button;
    button = nullptr;
  });
  Press(button, QPoint(5, 5));
  TGradBtn* doomed = button;
  Release(doomed, QPoint(5, 5));
  EXPECT_EQ(button, nullptr);
  EXPECT_EQ(log, (Log{"down@5,5"}));
}

TEST_F(GradBtnEvents, DisablingAHeldButtonRaisesIt) {
  Press(button, QPoint(5, 5));
  button->setEnabled(false);
  EXPECT_FALSE(button->IsDown());
  EXPECT_TRUE(AssignedColours());
  button->setEnabled(true);
  Press(button, QPoint(5, 5));
  Release(button, QPoint(5, 5));
  EXPECT_TRUE(AssignedColours());
}

TEST_F(GradBtnEvents, AccessKeyClicksTheEnabledButtonThatCarriesIt) {
  button->SetCaption("&Next");
  EXPECT_FALSE(button->OfferAccessKey(u'x'));
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(button->OfferAccessKey(u'n'));
  EXPECT_EQ(log, (Log{"pump", "click"}));

  log.clear();
  Record(other, "other-");
  other->SetCaption("A&&B");  // a literal ampersand is no access key
  EXPECT_FALSE(TGradBtn::OfferAccessKeyTo(&window, u'B'));
  EXPECT_FALSE(TGradBtn::OfferAccessKeyTo(&window, u'&'));
  Key(other, Qt::Key_N, "n", Qt::AltModifier);
  EXPECT_EQ(log, (Log{"pump", "click"}));

  log.clear();
  button->setEnabled(false);
  EXPECT_FALSE(TGradBtn::OfferAccessKeyTo(&window, u'N'));
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace lintra::controls

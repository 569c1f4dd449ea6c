// The MIDI thread wakes the window through an event posted with Qt: every
// message posted is handled, a flood costs one event, and a message that
// comes while the window handles the others is not stranded.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <thread>

#include "app/qt/qt_platform.h"
#include "midi/composite_service.h"
#include "midi/message_loop.h"
#include "midi/null_synth_service.h"
#include "testing/fake_midi_service.h"
#include "window_testing.h"

namespace lintra::frontend {
namespace {

struct WokenLoop {
  midi::MessageLoop loop;
  int handled = 0;
  int wakes = 0;
  std::function<void()> afterDispatch;
  EventWaker waker{[this] {
    ++wakes;
    loop.DispatchPending();
    if (afterDispatch) afterDispatch();
  }};
  midi::MessageWindow window{loop, [this](const midi::PostedMessage&) { ++handled; }};
  WokenLoop() { loop.SetWaker(&waker); }
  ~WokenLoop() { loop.SetWaker(nullptr); }
  void PostFromAnotherThread(int count) {
    std::thread([&] {
      for (int i = 0; i < count; ++i) window.Post(1, 0, 0);
    }).join();
  }
};

TEST(EventWaker, AFloodWhileTheWindowIsBusyCostsOneWakeUp) {
  WokenLoop woken;
  woken.PostFromAnotherThread(1000);
  Settle();
  EXPECT_EQ(woken.handled, 1000);
  EXPECT_EQ(woken.wakes, 1);
  woken.PostFromAnotherThread(1);
  Settle();
  EXPECT_EQ(woken.handled, 1001);
  EXPECT_EQ(woken.wakes, 2);
}

TEST(EventWaker, AMessageArrivingWhileTheOthersAreHandledWakesAgain) {
  WokenLoop woken;
  woken.afterDispatch = [&] {
    woken.afterDispatch = nullptr;
    woken.PostFromAnotherThread(1);  // after the handling, before the wake-up is over
  };
  woken.PostFromAnotherThread(1);
  Settle();
  EXPECT_EQ(woken.handled, 2);
  EXPECT_EQ(woken.wakes, 2);
}

TEST(EventWaker, ANotePlayedOnTheKeyboardAnswersTheQuestion) {
  QTemporaryDir folder;
  auto fake = std::make_unique<midi::FakeMidiService>();
  fake->SetInputDevices({"Keys"});
  midi::FakeMidiService& keys = *fake;
  TestWindow window(
      std::make_unique<midi::CompositeMidiService>(std::move(fake), std::make_unique<midi::NullSynthService>()),
      folder.filePath("cmbtext.qor").toStdString(), "Note Help.html");
  window.Create();
  window.show();
  window.Advance(100);
  ASSERT_TRUE(window.Form().MidiInput1.IsOpen());
  ASSERT_TRUE(keys.InjectShort(144, static_cast<std::uint8_t>(window.Form().QuestionNote), 100));
  Settle();
  EXPECT_EQ(window.Form().AnswerCount, 1);
  EXPECT_EQ(window.Form().WrongCount, 0);
}

}  // namespace
}  // namespace lintra::frontend

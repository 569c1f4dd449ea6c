#include "midi/message_loop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace lintra::midi {
namespace {

struct CountingWaker : Waker {
  std::atomic<int> wakes{0};
  void Wake() noexcept override { wakes.fetch_add(1); }
};

TEST(MessageLoop, PostWakesTheLoopAndDispatchRunsTheHandlerInOrder) {
  MessageLoop loop;
  CountingWaker waker;
  loop.SetWaker(&waker);
  std::vector<PostedMessage> seen;
  MessageWindow window(loop, [&](const PostedMessage& m) { seen.push_back(m); });

  EXPECT_TRUE(window.Post(1, 10, 100));
  EXPECT_TRUE(window.Post(2, 20, 200));
  EXPECT_EQ(waker.wakes.load(), 2);
  EXPECT_EQ(loop.Pending(), 2u);
  EXPECT_EQ(loop.DispatchPending(), 2u);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].code, 1u);
  EXPECT_EQ(seen[0].p1, 10u);
  EXPECT_EQ(seen[1].p2, 200u);
  EXPECT_EQ(loop.DispatchPending(), 0u);
  EXPECT_FALSE(window.DispatchOne());
}

TEST(MessageLoop, FullQueueRefusesAndRecoversAfterDispatch) {
  MessageLoop loop;
  int handled = 0;
  MessageWindow window(
      loop, [&](const PostedMessage&) { ++handled; }, 4);
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(window.Post(0, 0, 0));
  EXPECT_FALSE(window.Post(0, 0, 0));
  EXPECT_TRUE(window.DispatchOne());
  EXPECT_TRUE(window.Post(0, 0, 0));
  EXPECT_EQ(loop.DispatchPending(), 4u);
  EXPECT_EQ(handled, 5);
}

TEST(MessageLoop, HandlerMayDispatchAgainNestedAndWindowsComeAndGo) {
  MessageLoop loop;
  std::vector<int> order;
  std::unique_ptr<MessageWindow> late;
  MessageWindow second(loop, [&](const PostedMessage& m) { order.push_back(static_cast<int>(m.code)); });
  MessageWindow first(loop, [&](const PostedMessage& m) {
    order.push_back(static_cast<int>(m.code));
    if (m.code == 1) {
      // A message box or a key's event pump inside a handler.
      loop.DispatchPending();
      late = std::make_unique<MessageWindow>(
          loop, [&](const PostedMessage& n) { order.push_back(static_cast<int>(n.code)); });
      late->Post(9, 0, 0);
    }
  });
  first.Post(1, 0, 0);
  first.Post(2, 0, 0);
  second.Post(3, 0, 0);
  // The older window first; message 2 ran inside the nested call (not
  // counted by the outer one); the window opened meanwhile is served too.
  EXPECT_EQ(loop.DispatchPending(), 3u);
  EXPECT_EQ(order, (std::vector<int>{3, 1, 2, 9}));
  late.reset();
  EXPECT_TRUE(first.Post(4, 0, 0));
  EXPECT_EQ(loop.DispatchPending(), 1u);
}

TEST(MessageLoop, ManyProducersLoseNothingAndKeepEachProducersOrder) {
  constexpr int kProducers = 4;
  constexpr std::uintptr_t kEach = 50'000;
  MessageLoop loop;
  std::vector<std::uintptr_t> next(kProducers, 0);
  int outOfOrder = 0;
  std::size_t handled = 0;
  MessageWindow window(
      loop,
      [&](const PostedMessage& m) {
        if (m.p2 != next[m.p1]) ++outOfOrder;
        next[m.p1] = m.p2 + 1;
        ++handled;
      },
      1024);
  std::atomic<int> running{kProducers};
  std::vector<std::thread> producers;
  for (int p = 0; p < kProducers; ++p) {
    producers.emplace_back([&, p] {
      for (std::uintptr_t i = 0; i < kEach;) {
        if (window.Post(7, static_cast<std::uintptr_t>(p), i))
          ++i;
        else
          std::this_thread::yield();
      }
      running.fetch_sub(1);
    });
  }
  while (running.load() > 0) loop.DispatchPending();
  for (auto& t : producers) t.join();
  loop.DispatchPending();
  EXPECT_EQ(handled, kProducers * kEach);
  EXPECT_EQ(outOfOrder, 0);
  EXPECT_EQ(window.Pending(), 0u);
}

}  // namespace
}  // namespace lintra::midi

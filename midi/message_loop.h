// Posting from any thread into the user-interface thread without locks or
// allocation.
//
// A MessageWindow stands for a hidden notification window: a fixed-capacity
// lock-free queue of (code, p1, p2) messages and a handler that runs on the
// user-interface thread.  Post() may be called from any thread (the MIDI
// callback thread in particular): it writes one slot and wakes the loop; it
// never allocates, locks or blocks.  The MessageLoop owns nothing but the list
// of windows; whoever runs the user-interface thread (the Qt front end, the
// scenario runner, a test) installs a Waker and calls DispatchPending() when
// woken.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace lintra::midi {

struct PostedMessage {
  std::uint32_t code = 0;
  std::uintptr_t p1 = 0;
  std::uintptr_t p2 = 0;
};

// Called from any thread after a post; must be async-signal-safe in spirit:
// no allocation, no lock, no blocking.
class Waker {
 public:
  virtual ~Waker() = default;
  virtual void Wake() noexcept = 0;
};

class MessageLoop;

class MessageWindow {
 public:
  using Handler = std::function<void(const PostedMessage&)>;

  MessageWindow(MessageLoop& loop, Handler handler, std::size_t capacity = 16384);
  ~MessageWindow();
  MessageWindow(const MessageWindow&) = delete;
  MessageWindow& operator=(const MessageWindow&) = delete;

  // Any thread.  False when the queue is full (the message is lost).
  bool Post(std::uint32_t code, std::uintptr_t p1, std::uintptr_t p2) noexcept;

  // User-interface thread: takes and handles one message; false when empty.
  // The handler may re-enter DispatchPending (nested event processing).
  bool DispatchOne();

  std::size_t Pending() const noexcept;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  MessageLoop& loop_;
  Handler handler_;
};

class MessageLoop {
 public:
  MessageLoop() = default;
  MessageLoop(const MessageLoop&) = delete;
  MessageLoop& operator=(const MessageLoop&) = delete;

  void SetWaker(Waker* waker) noexcept { waker_.store(waker); }
  void Wake() noexcept;

  // User-interface thread: handles every pending message of every window,
  // oldest window first, until all are empty.  Returns how many ran.
  std::size_t DispatchPending();
  std::size_t Pending() const noexcept;

 private:
  friend class MessageWindow;
  void Register(MessageWindow* window);
  void Unregister(MessageWindow* window);

  std::vector<MessageWindow*> windows_;  // user-interface thread only
  std::atomic<Waker*> waker_{nullptr};
};

}  // namespace lintra::midi

#include "midi/message_loop.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstdlib>
#include <new>
#include <type_traits>

namespace lintra::midi {

// Bounded multi-producer queue with a sequence number per slot (the array
// queue described by D. Vyukov).  A producer claims a slot by advancing the
// enqueue position with a compare-exchange, writes the message and then
// publishes it by storing the slot's sequence with release order; the
// consumer takes a slot only when its sequence says it is published.  No
// locks, no allocation after construction.
//
// A slot keeps its sequence less its own index, so that the starting state
// (sequence = index) is all zeros: the slots come from calloc, whose large
// blocks are fresh zero pages, and memory is spent only on the slots a flood
// actually reaches, not on the whole capacity of every window at start-up.
struct MessageWindow::Impl {
  struct Cell {
    std::size_t lag;  // the slot's sequence minus its index; accessed atomically
    PostedMessage message;
  };
  // Slots that calloc may hand out as they are, and a sequence that is read and written without a lock.
  static_assert(std::is_trivially_copyable_v<Cell> && std::is_trivially_destructible_v<Cell>);
  static_assert(std::atomic_ref<std::size_t>::is_always_lock_free);
  static_assert(alignof(std::size_t) >= std::atomic_ref<std::size_t>::required_alignment);
  struct Free {
    void operator()(Cell* cells) const noexcept { std::free(cells); }
  };

  explicit Impl(std::size_t capacity)
      : mask(std::bit_ceil(std::max<std::size_t>(capacity, 2)) - 1),
        cells(static_cast<Cell*>(std::calloc(mask + 1, sizeof(Cell)))) {
    if (!cells) throw std::bad_alloc();
  }

  std::size_t Sequence(std::size_t pos) const noexcept {
    const std::size_t index = pos & mask;
    return std::atomic_ref<std::size_t>(cells[index].lag).load(std::memory_order_acquire) + index;
  }
  void Publish(std::size_t pos, std::size_t sequence) noexcept {
    const std::size_t index = pos & mask;
    std::atomic_ref<std::size_t>(cells[index].lag).store(sequence - index, std::memory_order_release);
  }

  bool Push(const PostedMessage& message) noexcept {
    std::size_t pos = enqueuePos.load(std::memory_order_relaxed);
    for (;;) {
      Cell& cell = cells[pos & mask];
      const std::size_t seq = Sequence(pos);
      const auto diff = static_cast<std::ptrdiff_t>(seq) - static_cast<std::ptrdiff_t>(pos);
      if (diff == 0) {
        if (enqueuePos.compare_exchange_weak(pos, pos + 1, std::memory_order_relaxed)) {
          cell.message = message;
          Publish(pos, pos + 1);
          pending.fetch_add(1, std::memory_order_relaxed);
          return true;
        }
      } else if (diff < 0) {
        return false;  // full
      } else {
        pos = enqueuePos.load(std::memory_order_relaxed);
      }
    }
  }

  bool Pop(PostedMessage& out) noexcept {
    std::size_t pos = dequeuePos.load(std::memory_order_relaxed);
    for (;;) {
      Cell& cell = cells[pos & mask];
      const std::size_t seq = Sequence(pos);
      const auto diff = static_cast<std::ptrdiff_t>(seq) - static_cast<std::ptrdiff_t>(pos + 1);
      if (diff == 0) {
        if (dequeuePos.compare_exchange_weak(pos, pos + 1, std::memory_order_relaxed)) {
          out = cell.message;
          Publish(pos, pos + mask + 1);
          pending.fetch_sub(1, std::memory_order_relaxed);
          return true;
        }
      } else if (diff < 0) {
        return false;  // empty, or the next message is still being written
      } else {
        pos = dequeuePos.load(std::memory_order_relaxed);
      }
    }
  }

  const std::size_t mask;
  std::unique_ptr<Cell[], Free> cells;
  alignas(64) std::atomic<std::size_t> enqueuePos{0};
  alignas(64) std::atomic<std::size_t> dequeuePos{0};
  std::atomic<std::ptrdiff_t> pending{0};
};

MessageWindow::MessageWindow(MessageLoop& loop, Handler handler, std::size_t capacity)
    : impl_(std::make_unique<Impl>(capacity)), loop_(loop), handler_(std::move(handler)) {
  loop_.Register(this);
}

MessageWindow::~MessageWindow() { loop_.Unregister(this); }

bool MessageWindow::Post(std::uint32_t code, std::uintptr_t p1, std::uintptr_t p2) noexcept {
  if (!impl_->Push(PostedMessage{code, p1, p2})) return false;
  loop_.Wake();
  return true;
}

bool MessageWindow::DispatchOne() {
  PostedMessage message;
  if (!impl_->Pop(message)) return false;
  if (handler_) handler_(message);
  return true;
}

std::size_t MessageWindow::Pending() const noexcept {
  // A post in flight may briefly push the count below zero as seen here.
  return static_cast<std::size_t>(std::max<std::ptrdiff_t>(impl_->pending.load(std::memory_order_relaxed), 0));
}

void MessageLoop::Wake() noexcept {
  if (Waker* waker = waker_.load(std::memory_order_acquire)) waker->Wake();
}

std::size_t MessageLoop::DispatchPending() {
  // One message per window per round, oldest window first, so a flooded
  // window cannot starve the others.  Indexes, not iterators: a handler may
  // open or close windows, or dispatch again, while we are in this loop.
  std::size_t ran = 0;
  for (bool any = true; any;) {
    any = false;
    for (std::size_t i = 0; i < windows_.size(); ++i) {
      if (windows_[i]->DispatchOne()) {
        any = true;
        ++ran;
      }
    }
  }
  return ran;
}

std::size_t MessageLoop::Pending() const noexcept {
  std::size_t total = 0;
  for (const MessageWindow* window : windows_) total += window->Pending();
  return total;
}

void MessageLoop::Register(MessageWindow* window) { windows_.push_back(window); }

void MessageLoop::Unregister(MessageWindow* window) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
}

}  // namespace lintra::midi

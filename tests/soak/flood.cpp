// The MIDI flood: a producer thread delivers short messages at full speed
// through the real callback path (port thread -> device adapter ->
// DeviceCallback -> ring -> posted notification) while this thread, the user-interface thread, handles
// the notifications (message loop -> HandleNotification -> ReadEvent -> note
// hook).  Each message is a channel-1 note-on whose note is its sequence
// number modulo 128.
//
// Pass 1 taps the notifications on their way to the component: their codes,
// in send order, say exactly which messages were stored, so the notes the hook
// receives must be those messages in that order, and stored + overflowed must
// equal sent.  Pass 2 runs the component untouched and checks the same
// accounting from the hook and OnOverflow alone.
//
// lintra_flood [MESSAGES]   (default 1000000); exit status 1 on any failure.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>
#include <thread>

#include "midi/circbuf.h"
#include "midi/input_device_adapter.h"
#include "midi/message_loop.h"
#include "midi/midi_in.h"
#include "midi/midi_out.h"
#include "rss.h"
#include "testing/fake_midi_service.h"

namespace {

using namespace lintra::midi;
using Clock = std::chrono::steady_clock;

// Remembers the context value of the input it opens: the component's link,
// whose notification window pass 1 reroutes through its tap.
class LinkedDevices : public InputDeviceAdapter {
 public:
  using InputDeviceAdapter::InputDeviceAdapter;
  Result InOpen(DeviceHandle& handle, unsigned id, Callback callback, std::uintptr_t instance) override {
    link = reinterpret_cast<DeviceLink*>(instance);
    return InputDeviceAdapter::InOpen(handle, id, callback, instance);
  }
  DeviceLink* link = nullptr;
};

int failures = 0;
void Fail(const std::string& what) {
  std::fprintf(stderr, "flood: FAILED: %s\n", what.c_str());
  ++failures;
}

struct Counts {
  std::uint64_t sent = 0;
  std::uint64_t stored = 0;      // entries that reached the note hook
  std::uint64_t overflowed = 0;  // overflow notifications (tapped) or OnOverflow calls
  std::uint64_t overflowEvents = 0;
  double produceSeconds = 0;
  double totalSeconds = 0;
  long rssAfterWarmUp = 0;
  long rssAtEnd = 0;
};

// A tapped run keeps the tap's backlog inside its queue (`ahead` messages
// beyond those handled); the plain run passes no limit and goes flat out.
void Produce(FakeMidiService& service, std::uint32_t messages, std::atomic<std::uint32_t>& progress,
             std::atomic<bool>& done, double& seconds, const std::atomic<std::uint32_t>* handled, std::uint32_t ahead) {
  const auto start = Clock::now();
  for (std::uint32_t seq = 0; seq < messages; ++seq) {
    while (handled && seq - handled->load(std::memory_order_acquire) >= ahead) std::this_thread::yield();
    if (!service.DeliverShortHere(144, static_cast<std::uint8_t>(seq & 0x7F), 100)) {
      Fail("delivery refused at message " + std::to_string(seq));
      break;
    }
    progress.store(seq + 1, std::memory_order_relaxed);
  }
  seconds = std::chrono::duration<double>(Clock::now() - start).count();
  done.store(true, std::memory_order_release);
}

// Brings the input path to the memory it keeps using, from this thread before the producer starts: a
// burst that fills the ring and the notification queue to overflowing, then messages handled one at a
// time. Each handled entry frees an event, and freed blocks wait in the allocator's quarantine (8 MB
// under AddressSanitizer) before their memory comes back; the warm-up frees several times that, so
// what the flood touches afterwards is memory in use again, not memory seen for the first time.
std::uint64_t WarmUp(FakeMidiService& service, MessageLoop& loop, std::uint32_t steady) {
  constexpr std::uint32_t kWindowQueue = 16384;  // a MessageWindow's default capacity
  constexpr std::uint32_t kBurst = kMaxRingCapacity + 2 * kWindowQueue;
  std::uint64_t delivered = 0;
  for (std::uint32_t i = 0; i < kBurst; ++i)
    delivered += service.DeliverShortHere(144, static_cast<std::uint8_t>(i & 0x7F), 100);
  while (loop.DispatchPending() > 0) {
  }
  for (std::uint32_t i = 0; i < steady; ++i) {
    delivered += service.DeliverShortHere(144, static_cast<std::uint8_t>(i & 0x7F), 100);
    loop.DispatchPending();
  }
  while (loop.DispatchPending() > 0) {
  }
  return delivered;
}

Counts Flood(std::uint32_t messages, bool tapped) {
  FakeMidiService service;
  service.SetInputDevices({"Flood"});
  LinkedDevices devices(service);
  MessageLoop loop;
  TMidiInput input(devices, loop);
  Counts counts;
  counts.sent = messages;

  // Notes the hook has delivered and stored sequence numbers the tap has seen,
  // each waiting for its partner: an overflow notification may read an entry
  // before that entry's own notification is handled.
  std::deque<std::uint8_t> hookNotes;
  std::deque<std::uint32_t> storedSeqs;
  auto match = [&] {
    while (!hookNotes.empty() && !storedSeqs.empty()) {
      if (hookNotes.front() != (storedSeqs.front() & 0x7F)) {
        Fail("message " + std::to_string(storedSeqs.front()) + " arrived as note " + std::to_string(hookNotes.front()) +
             ": reordered or corrupted");
      }
      hookNotes.pop_front();
      storedSeqs.pop_front();
    }
  };
  input.NoteHook = [&](std::uint8_t note) {
    ++counts.stored;
    if (tapped) {
      hookNotes.push_back(note);
      match();
    }
  };
  input.OnOverflow = [&] { ++counts.overflowEvents; };
  if (!input.OpenDevice()) {
    Fail("the input did not open");
    return counts;
  }
  input.StartInput();
  // The tapped pass pairs notes with sequence numbers counted from its first message, so only the plain
  // pass, whose memory is checked, warms up.
  if (!tapped) {
    counts.sent += WarmUp(service, loop, messages / 2);
    counts.rssAfterWarmUp = lintra::soak::CurrentRssKb();
  }

  constexpr std::uint32_t kTapQueue = 65536;
  std::atomic<std::uint32_t> notified{0};
  MessageWindow* component = devices.link->Window.load();
  // The producer never runs more than the tap's queue ahead, so the tap itself never drops one.
  MessageWindow tap(
      loop,
      [&](const PostedMessage& message) {
        if (message.code == kNotifyInput) {
          storedSeqs.push_back(notified.load(std::memory_order_relaxed));
          match();
        } else if (message.code == kNotifyOverflow) {
          ++counts.overflowed;
        }
        notified.fetch_add(1, std::memory_order_release);
        component->Post(message.code, message.p1, message.p2);
        component->DispatchOne();
      },
      tapped ? kTapQueue : 2);
  if (tapped) devices.link->Window.store(&tap);

  std::atomic<std::uint32_t> progress{0};
  std::atomic<bool> done{false};
  const auto start = Clock::now();
  std::thread producer(Produce, std::ref(service), messages, std::ref(progress), std::ref(done),
                       std::ref(counts.produceSeconds), tapped ? &notified : nullptr, kTapQueue - 16);
  for (;;) {
    const bool finished = done.load(std::memory_order_acquire);
    if (loop.DispatchPending() == 0) {
      if (finished) break;
      std::this_thread::yield();
    }
  }
  producer.join();
  loop.DispatchPending();
  // Entries whose notification was lost to a full message queue are still
  // waiting; take them so the accounting below shows the lost notifications
  // rather than stranded entries.
  std::uint64_t stranded = 0;
  while (input.ReadEvent()) ++stranded;
  counts.totalSeconds = std::chrono::duration<double>(Clock::now() - start).count();
  counts.rssAtEnd = lintra::soak::CurrentRssKb();

  if (!tapped) counts.overflowed = counts.overflowEvents;
  if (tapped) {
    match();
    if (!hookNotes.empty() || !storedSeqs.empty()) Fail("stored entries and hook calls do not pair up");
    if (counts.overflowEvents != counts.overflowed) Fail("OnOverflow did not fire once per overflow");
    if (notified.load() != messages) Fail("one notification per message expected");
  }
  if (stranded > 0) {
    Fail(std::to_string(stranded) + " entries were left in the ring without a notification");
  }
  if (counts.stored + counts.overflowed != counts.sent) {
    const auto unreported =
        static_cast<long long>(counts.sent) - static_cast<long long>(counts.stored + counts.overflowed);
    Fail("stored " + std::to_string(counts.stored) + " + overflowed " + std::to_string(counts.overflowed) +
         " != sent " + std::to_string(counts.sent) + ": " + std::to_string(unreported) +
         " lost entries were never reported (their overflow notifications did not fit the message queue)");
  }
  input.CloseDevice();
  return counts;
}

void Report(const char* name, const Counts& c) {
  std::printf("%s: sent %llu, stored %llu, overflowed %llu; producer %.0f msg/s, handled in %.2f s (%.0f msg/s); RSS ",
              name, static_cast<unsigned long long>(c.sent), static_cast<unsigned long long>(c.stored),
              static_cast<unsigned long long>(c.overflowed), c.sent / c.produceSeconds, c.totalSeconds,
              c.sent / c.totalSeconds);
  if (c.rssAfterWarmUp > 0) std::printf("%ld kB after the warm-up, ", c.rssAfterWarmUp);
  std::printf("%ld kB at the end\n", c.rssAtEnd);
}

}  // namespace

#if defined(__SANITIZE_THREAD__)
#define LINTRA_UNDER_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define LINTRA_UNDER_TSAN 1
#endif
#endif
#ifndef LINTRA_UNDER_TSAN
#define LINTRA_UNDER_TSAN 0
#endif

// Under AddressSanitizer freed blocks wait in a quarantine before reuse; a
// small one keeps that wait from reading as growth.  ASAN_OPTIONS still wins.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=8"; }

int main(int argc, char** argv) {
  const std::uint32_t messages = argc > 1 ? static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10)) : 1000000;
  // The untouched component first, so the tap's large queue does not blur its memory figures.
  const Counts plain = Flood(messages, false);
  Report("plain", plain);
  const Counts tapped = Flood(messages, true);
  Report("tapped", tapped);
  // Nothing in the input path keeps what it handled: after the warm-up the
  // resident size must stay where it was, within allocator slack.
  constexpr long kSlackKb = 8 * 1024;
#if LINTRA_UNDER_TSAN
  // ThreadSanitizer's shadow memory and per-thread history grow with what the producer thread does, so
  // the resident size says nothing about leaks there; the other builds check it.
  std::printf("flood: memory not checked under ThreadSanitizer\n");
#else
  if (plain.rssAtEnd > plain.rssAfterWarmUp + kSlackKb) Fail("memory grew during the flood");
#endif
  if (failures > 0) return 1;
  std::printf("flood: OK\n");
  return 0;
}

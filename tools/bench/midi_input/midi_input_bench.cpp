// How long a note played on a MIDI keyboard takes from the device callback
// (on the service's thread) to the note hook on the user-interface thread,
// woken by the loop's waker; and what one short send costs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "midi/circbuf.h"
#include "midi/midi_in.h"
#include "midi/midi_out.h"
#include "testing/fake_midi_service.h"

namespace lintra::midi {
namespace {

using Clock = std::chrono::steady_clock;

std::int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

// Wakes a thread parked in Park(): an atomic flag and a futex, no lock.
class FlagWaker : public Waker {
 public:
  void Wake() noexcept override {
    flag_.store(1, std::memory_order_release);
    flag_.notify_one();
  }
  void Park() {
    while (flag_.exchange(0, std::memory_order_acquire) == 0) flag_.wait(0, std::memory_order_acquire);
  }

 private:
  std::atomic<std::uint32_t> flag_{0};
};

double Percentile(std::vector<double> values, double fraction) {
  std::sort(values.begin(), values.end());
  const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
  return values[index];
}

void BM_NoteOnCallbackToHook(benchmark::State& state) {
  FakeMidiService service;
  service.SetInputDevices({"Keys"});
  MessageLoop loop;
  FlagWaker waker;
  loop.SetWaker(&waker);
  TMidiInput input(service, loop);
  std::atomic<std::int64_t> sentAt{0};
  std::int64_t hookAt = 0;
  input.NoteHook = [&](std::uint8_t) { hookAt = NowNs(); };
  if (!input.OpenDevice()) {
    state.SkipWithError("input did not open");
    return;
  }
  input.StartInput();

  // The device thread: plays one note each time it is asked to.
  std::atomic<std::uint32_t> requests{0};
  std::atomic<bool> stop{false};
  std::thread device([&] {
    std::uint32_t served = 0;
    for (;;) {
      requests.wait(served, std::memory_order_acquire);
      if (stop.load(std::memory_order_acquire)) return;
      served = requests.load(std::memory_order_acquire);
      sentAt.store(NowNs(), std::memory_order_release);
      service.DeliverShortHere(144, 60, 100);
    }
  });

  std::vector<double> latenciesUs;
  latenciesUs.reserve(static_cast<std::size_t>(state.max_iterations));
  std::uint32_t asked = 0;
  for (auto _ : state) {
    requests.store(++asked, std::memory_order_release);
    requests.notify_one();
    hookAt = 0;
    while (hookAt == 0) {
      waker.Park();
      loop.DispatchPending();
    }
    const double seconds = static_cast<double>(hookAt - sentAt.load(std::memory_order_acquire)) * 1e-9;
    state.SetIterationTime(seconds);
    latenciesUs.push_back(seconds * 1e6);
  }
  stop.store(true, std::memory_order_release);
  requests.store(asked + 1, std::memory_order_release);
  requests.notify_one();
  device.join();
  input.CloseDevice();

  state.counters["notes"] = static_cast<double>(latenciesUs.size());
  state.counters["median_us"] = Percentile(latenciesUs, 0.5);
  state.counters["p99_us"] = Percentile(latenciesUs, 0.99);
  state.counters["max_us"] = *std::max_element(latenciesUs.begin(), latenciesUs.end());
}
BENCHMARK(BM_NoteOnCallbackToHook)->UseManualTime()->Iterations(20000)->Unit(benchmark::kMicrosecond);

void BM_SendShortThroughFake(benchmark::State& state) {
  FakeMidiService service;
  service.SetOutputDevices({"Synth"});
  MessageLoop loop;
  TMidiOutput output(service, loop);
  output.SetDeviceID(0);
  if (!output.OpenDevice()) {
    state.SkipWithError("output did not open");
    return;
  }
  std::uint32_t sent = 0;
  for (auto _ : state) {
    output.SendShort(144, 60, 127);
    if (++sent % 4096 == 0) service.ClearSent();  // the fake keeps every send
  }
  output.CloseDevice();
}
BENCHMARK(BM_SendShortThroughFake);

void BM_RingPutPeekDrop(benchmark::State& state) {
  EventRing* ring = RingCreate(1024);
  RingEntry entry{1, 0x643C90, nullptr};
  RingEntry out;
  for (auto _ : state) {
    RingPut(*ring, entry);
    RingPeek(*ring, out);
    RingDrop(*ring);
    benchmark::DoNotOptimize(out);
  }
  RingFree(ring);
}
BENCHMARK(BM_RingPutPeekDrop);

}  // namespace
}  // namespace lintra::midi

BENCHMARK_MAIN();

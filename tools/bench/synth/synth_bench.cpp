// The built-in synthesizer off line (no audio driver): what one short message
// costs on the user-interface thread, what rendering costs, and how long the
// soundfont takes to load on the loader thread.
#include <benchmark/benchmark.h>

#include <chrono>

#include "midi/synth/synth_service.h"

namespace {

using namespace lintra::midi;

SynthOptions Offline() {
  SynthOptions options;
  options.audio = false;
  return options;
}

// Note-on and note-off pairs: the path of every note the trainer sends.
void BM_SendShortNotePair(benchmark::State& state) {
  SynthService synth(Offline());
  if (!synth.WaitUntilReady(std::chrono::seconds(10)) || !synth.Sounding()) {
    state.SkipWithError("no soundfont");
    return;
  }
  DeviceHandle handle = kNoHandle;
  synth.OutOpen(handle, 0, nullptr, 0);
  int note = 41;
  for (auto _ : state) {
    benchmark::DoNotOptimize(synth.OutShortMsg(handle, 0x7F0090u | (note << 8)));
    benchmark::DoNotOptimize(synth.OutShortMsg(handle, 0x000080u | (note << 8)));
    if (note == 83) {
      // An audio driver drains the synthesizer's event queue every period.
      state.PauseTiming();
      benchmark::DoNotOptimize(synth.RenderOffline(256));
      state.ResumeTiming();
    }
    note = note == 83 ? 41 : note + 1;
  }
  state.SetItemsProcessed(state.iterations() * 2);
  synth.OutClose(handle);
}
BENCHMARK(BM_SendShortNotePair);

void BM_ProgramChange(benchmark::State& state) {
  SynthService synth(Offline());
  if (!synth.WaitUntilReady(std::chrono::seconds(10)) || !synth.Sounding()) {
    state.SkipWithError("no soundfont");
    return;
  }
  DeviceHandle handle = kNoHandle;
  synth.OutOpen(handle, 0, nullptr, 0);
  std::uint32_t program = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(synth.OutShortMsg(handle, 0xC0u | (program << 8)));
    program = program == 0 ? 113 : 0;
  }
  synth.OutClose(handle);
}
BENCHMARK(BM_ProgramChange);

// Half a second of audio with one note sounding, as the audio driver would
// pull it.
void BM_RenderHalfSecond(benchmark::State& state) {
  SynthService synth(Offline());
  if (!synth.WaitUntilReady(std::chrono::seconds(10)) || !synth.Sounding()) {
    state.SkipWithError("no soundfont");
    return;
  }
  DeviceHandle handle = kNoHandle;
  synth.OutOpen(handle, 0, nullptr, 0);
  for (auto _ : state) {
    synth.OutShortMsg(handle, 0x7F3C90u);
    benchmark::DoNotOptimize(synth.RenderOffline(24000));
  }
  synth.OutClose(handle);
}
BENCHMARK(BM_RenderHalfSecond)->Unit(benchmark::kMillisecond);

// Construction to loaded: the wait before the first note can sound.  The
// loader's own figure (settings, synthesizer, soundfont) is a counter.
void BM_SoundfontLoad(benchmark::State& state) {
  double loaderMs = 0;
  for (auto _ : state) {
    SynthService synth(Offline());
    synth.WaitUntilReady(std::chrono::seconds(10));
    loaderMs += synth.LoadMilliseconds();
  }
  state.counters["loader_ms"] = loaderMs / static_cast<double>(state.iterations());
}
BENCHMARK(BM_SoundfontLoad)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

BENCHMARK_MAIN();

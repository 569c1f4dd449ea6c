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
  std::unique_ptr<OutputConnection> port;
  synth.OpenOutput(0, port);
  int note = 41;
  for (auto _ : state) {
    benchmark::DoNotOptimize(port->Send(NoteOn{note}));
    benchmark::DoNotOptimize(port->Send(NoteOff{note, 0}));
    if (note == 83) {
      // An audio driver drains the synthesizer's event queue every period.
      state.PauseTiming();
      benchmark::DoNotOptimize(synth.RenderOffline(256));
      state.ResumeTiming();
    }
    note = note == 83 ? 41 : note + 1;
  }
  state.SetItemsProcessed(state.iterations() * 2);
  port->Close();
}
BENCHMARK(BM_SendShortNotePair);

void BM_ProgramChange(benchmark::State& state) {
  SynthService synth(Offline());
  if (!synth.WaitUntilReady(std::chrono::seconds(10)) || !synth.Sounding()) {
    state.SkipWithError("no soundfont");
    return;
  }
  std::unique_ptr<OutputConnection> port;
  synth.OpenOutput(0, port);
  int program = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(port->Send(ProgramChange{program}));
    program = program == 0 ? 113 : 0;
  }
  port->Close();
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
  std::unique_ptr<OutputConnection> port;
  synth.OpenOutput(0, port);
  for (auto _ : state) {
    port->Send(NoteOn{60});
    benchmark::DoNotOptimize(synth.RenderOffline(24000));
  }
  port->Close();
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

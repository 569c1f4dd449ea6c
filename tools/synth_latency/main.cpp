// Latency of the built-in synthesizer through JACK: from the moment a note-on
// is sent to the moment its first sounding frame plays.
//
// A probe client of our own listens to the synthesizer's left output.  The
// first frame above silence is placed in JACK's frame time (the start of the
// cycle that carries it plus its offset in the cycle); the note-on's time is
// JACK's estimate of the current frame time just before it is sent.  Their
// difference is the synthesizer's latency: what it adds before the server
// plays the frame, which then takes the playback latency that the server
// reports for its output port (printed too, and added in the last line).
// Note-ons are spread over the phase of the cycle by a random wait.
//
// Usage: lintra-synth-latency [--notes N]   (JACK_DEFAULT_SERVER names the server)
#include <jack/jack.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "midi/synth/synth_service.h"

namespace {

using namespace std::chrono_literals;

constexpr float kSilence = 1e-6f;  // FluidSynth's float output is exactly 0 when nothing sounds

struct Probe {
  jack_client_t* client = nullptr;
  jack_port_t* in = nullptr;
  std::atomic<bool> armed{false};
  std::atomic<bool> found{false};
  std::atomic<jack_nframes_t> foundAt{0};
  std::atomic<int> silentCycles{0};

  static int Process(jack_nframes_t frames, void* data) {
    auto* probe = static_cast<Probe*>(data);
    const auto* samples = static_cast<const float*>(jack_port_get_buffer(probe->in, frames));
    jack_nframes_t first = frames;
    for (jack_nframes_t i = 0; i < frames; ++i) {
      if (std::fabs(samples[i]) > kSilence) {
        first = i;
        break;
      }
    }
    if (first == frames) {
      probe->silentCycles.fetch_add(1);
      return 0;
    }
    probe->silentCycles.store(0);
    if (probe->armed.load() && !probe->found.load()) {
      probe->foundAt.store(jack_last_frame_time(probe->client) + first);
      probe->found.store(true);
    }
    return 0;
  }
};

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  const auto i = static_cast<std::size_t>(std::lround(p * static_cast<double>(values.size() - 1)));
  return values[i];
}

// The probe as a JACK client of its own, listening on its one input; false with a message when it
// cannot be.
bool StartProbe(Probe& probe) {
  jack_status_t status{};
  probe.client = jack_client_open("lintra-latency-probe", JackNoStartServer, &status);
  if (!probe.client) {
    std::fprintf(stderr, "no JACK server (status 0x%x)\n", static_cast<unsigned>(status));
    return false;
  }
  probe.in = jack_port_register(probe.client, "in", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
  jack_set_process_callback(probe.client, &Probe::Process, &probe);
  if (!probe.in || jack_activate(probe.client) != 0) {
    std::fprintf(stderr, "cannot start the probe client\n");
    return false;
  }
  return true;
}

// The synthesizer's left output into the probe; `playback` is the latency of the server's port it
// is connected to, where its frames sound.
bool ConnectSynthesizer(Probe& probe, jack_latency_range_t& playback) {
  const char** outputs = jack_get_ports(probe.client, "^Lintra:", JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput);
  if (!outputs || !outputs[0] || jack_connect(probe.client, outputs[0], jack_port_name(probe.in)) != 0) {
    std::fprintf(stderr, "cannot connect the synthesizer's output to the probe\n");
    return false;
  }
  const char** speakers =
      jack_get_ports(probe.client, nullptr, JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput | JackPortIsPhysical);
  if (speakers && speakers[0])
    jack_port_get_latency_range(jack_port_by_name(probe.client, speakers[0]), JackPlaybackLatency, &playback);
  jack_free(speakers);
  jack_free(outputs);
  return true;
}

struct Heard {
  std::vector<double> renderedMs;  // note-on to its first frame in the server's graph
  int missed = 0;
};

Heard PlayNotes(Probe& probe, lintra::midi::OutputConnection& port, int notes, double rate, jack_nframes_t period) {
  Heard heard;
  std::mt19937 random(12345);
  const auto periodUs = static_cast<int>(1e6 * period / rate);
  std::uniform_int_distribution<int> phase(0, periodUs);
  for (int n = 0; n < notes; ++n) {
    // Quiet for a few cycles first, so that the first loud frame is this note's.
    for (auto until = std::chrono::steady_clock::now() + 2s;
         probe.silentCycles.load() < 4 && std::chrono::steady_clock::now() < until;)
      std::this_thread::sleep_for(1ms);
    std::this_thread::sleep_for(std::chrono::microseconds(phase(random)));
    probe.found.store(false);
    probe.armed.store(true);
    const jack_nframes_t sentAt = jack_frame_time(probe.client);
    port.Send(lintra::midi::NoteOn{60});
    for (auto until = std::chrono::steady_clock::now() + 1s;
         !probe.found.load() && std::chrono::steady_clock::now() < until;)
      std::this_thread::sleep_for(100us);
    probe.armed.store(false);
    port.Send(lintra::midi::NoteOff{60, 0});
    port.Send(lintra::midi::ControlChange{120, 0});  // all sound off: no release tail to wait for
    if (!probe.found.load()) {
      ++heard.missed;
      continue;
    }
    // Signed: a note-on that reaches the synthesizer while the cycle that
    // began just before it is still being rendered sounds in that cycle.
    const auto rendered = static_cast<std::int32_t>(probe.foundAt.load() - sentAt);
    heard.renderedMs.push_back(1000.0 * rendered / rate);
  }
  return heard;
}

void Report(const Heard& heard, double rate, jack_nframes_t period, const jack_latency_range_t& playback) {
  const auto& renderedMs = heard.renderedMs;
  const double periodMs = 1000.0 * period / rate;
  const double playbackMs = 1000.0 * playback.max / rate;
  std::printf("JACK %.0f Hz, period %u frames (%.2f ms); %zu notes, %d missed\n", rate, period, periodMs,
              renderedMs.size(), heard.missed);
  std::printf("note-on to its first frame in the server's graph:");
  for (const double p : {0.5, 0.95, 0.99, 1.0})
    std::printf("  %s %.2f ms (%.2f periods)",
                p == 1.0    ? "max"
                : p == 0.5  ? "median"
                : p == 0.95 ? "95%"
                            : "99%",
                Percentile(renderedMs, p), Percentile(renderedMs, p) / periodMs);
  std::printf(
      "\nplayback latency of the server's output %u frames (%.2f ms): heard after median %.2f ms, max %.2f ms\n",
      playback.max, playbackMs, Percentile(renderedMs, 0.5) + playbackMs, Percentile(renderedMs, 1.0) + playbackMs);
}

}  // namespace

int main(int argc, char** argv) {
  int notes = 100;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--notes") == 0) notes = std::max(1, std::atoi(argv[++i]));

  Probe probe;
  if (!StartProbe(probe)) return 2;
  const double rate = jack_get_sample_rate(probe.client);
  const jack_nframes_t period = jack_get_buffer_size(probe.client);

  lintra::midi::SynthOptions options;
  options.audioDriver = "jack";
  options.sampleRate = rate;
  lintra::midi::SynthService synth(options);
  if (!synth.WaitUntilReady(20s) || synth.AudioInfo().driver != "jack" || !synth.Sounding()) {
    std::fprintf(stderr, "the synthesizer did not start on JACK (soundfont %s)\n", synth.SoundfontPath().c_str());
    return 2;
  }
  jack_latency_range_t playback{0, 0};
  if (!ConnectSynthesizer(probe, playback)) return 2;

  std::unique_ptr<lintra::midi::OutputConnection> port;
  synth.OpenOutput(0, port);
  port->Send(lintra::midi::ProgramChange{0});
  const Heard heard = PlayNotes(probe, *port, notes, rate, period);
  port->Close();
  jack_client_close(probe.client);

  if (heard.renderedMs.empty()) {
    std::fprintf(stderr, "no note was heard\n");
    return 1;
  }
  Report(heard, rate, period, playback);
  return heard.missed == 0 ? 0 : 1;
}

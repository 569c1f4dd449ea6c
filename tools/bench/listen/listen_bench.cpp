// The note detector over notes of several instruments of a General MIDI
// soundfont (FluidR3 GM by default), each within its range and the
// trainer's 43 keys, with pink noise 20 dB below the note, at the common
// sample rates; then a minute of noise alone and a minute of the trainer's
// own questions heard back from its speakers. Prints the figures against the
// goals:
//   at least 98% of the notes answered right, with no wrong answer first;
//   onset to answer: median at most 50 ms above middle C, 95th percentile at
//   most 90 ms for F1 to B1 (MIDI 41 to 47);
//   no answer to the noise, nor to the trainer's own notes while it says
//   it is sounding;
// and what the detection costs.
//
//   bench_listen [--rate HZ] [--soundfont FILE.sf2] [--verbose]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "listen/note_detector.h"
#include "note_renderer.h"
#include "testing/pink_noise.h"

namespace {

using lintra::listen::NoteAnswer;
using lintra::listen::NoteDetector;

struct Instrument {
  const char* name;
  int program;
  int lowest;
  int highest;
};

// General MIDI programs, each within its range and the trainer's keys (41 to 83).
constexpr Instrument kInstruments[] = {
    {"piano", 0, 41, 83},     {"nylon guitar", 24, 41, 83}, {"cello", 42, 41, 76},
    {"clarinet", 71, 50, 83}, {"bassoon", 70, 41, 72},      {"voice", 53, 45, 79},
};
constexpr double kLead = 0.3, kHold = 0.8, kRelease = 0.4;
constexpr int kVelocities[] = {100, 70, 115, 85};
constexpr double kGains[] = {1.0, 0.25, 3.0};  // louder and softer microphones
constexpr std::size_t kBlock = 256;            // frames a capture callback delivers

struct Timing {
  double seconds = 0;  // spent in the detector
  double worstBlock = 0;
  std::vector<double> blocks;
  double audio = 0;  // seconds of audio it was given
};

std::vector<NoteAnswer> Detect(NoteDetector& detector, const std::vector<float>& samples, Timing& timing,
                               const std::function<void(std::int64_t)>& beforeBlock = {}) {
  std::vector<NoteAnswer> answers;
  const auto keep = [&answers](const NoteAnswer& answer) { answers.push_back(answer); };
  for (std::size_t at = 0; at < samples.size(); at += kBlock) {
    if (beforeBlock) beforeBlock(static_cast<std::int64_t>(at));
    const auto start = std::chrono::steady_clock::now();
    detector.Process(samples.data() + at, std::min(kBlock, samples.size() - at), keep);
    const double spent = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    timing.seconds += spent;
    timing.worstBlock = std::max(timing.worstBlock, spent);
    timing.blocks.push_back(spent);
  }
  timing.audio += samples.size() / detector.SampleRate();
  return answers;
}

double Rms(const std::vector<float>& samples, std::size_t from, std::size_t to) {
  double sum = 0;
  to = std::min(to, samples.size());
  for (std::size_t i = from; i < to; ++i) sum += double{samples[i]} * samples[i];
  return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0.0;
}

void AddNoise(std::vector<float>& samples, double rms, lintra::testing::PinkNoise& noise) {
  for (auto& s : samples) s += static_cast<float>(rms * noise.Next());
}

double Percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return NAN;
  std::sort(values.begin(), values.end());
  const auto index = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(values.size()))) - 1;
  return values[std::min(index, values.size() - 1)];
}

struct Tally {
  int notes = 0, right = 0, wrongFirst = 0, missed = 0, early = 0, twice = 0;
  std::vector<double> highLatency, lowLatency, allLatency, onsetError;
};

void Judge(const Instrument& instrument, int note, const std::vector<NoteAnswer>& answers, std::int64_t onset,
           double rate, bool verbose, Tally& tally) {
  ++tally.notes;
  const auto ms = [rate](std::int64_t frames) { return frames * 1000.0 / rate; };
  std::size_t i = 0;
  // Answers before the note: the noise answered.
  while (i < answers.size() && answers[i].answerFrame < onset) ++i, ++tally.early;
  if (i == answers.size()) {
    ++tally.missed;
    if (verbose) std::printf("  missed %s %d\n", instrument.name, note);
    return;
  }
  const NoteAnswer& first = answers[i];
  tally.twice += static_cast<int>(answers.size() - i - 1);
  if (verbose && answers.size() > i + 1) {
    std::printf("  twice %s %d:", instrument.name, note);
    for (const auto& a : answers)
      std::printf(" [%d at %.0f from %.0f]", a.note, ms(a.answerFrame - onset), ms(a.onsetFrame - onset));
    std::printf("\n");
  }
  if (first.note != note) {
    ++tally.wrongFirst;
    if (verbose)
      std::printf("  wrong %s %d heard %d after %.0f ms\n", instrument.name, note, first.note,
                  ms(first.answerFrame - onset));
    return;
  }
  ++tally.right;
  const double latency = ms(first.answerFrame - onset);
  tally.allLatency.push_back(latency);
  tally.onsetError.push_back(std::abs(ms(first.onsetFrame - onset)));
  if (note > 60) tally.highLatency.push_back(latency);
  if (note <= 47) tally.lowLatency.push_back(latency);
  if (verbose && latency > 90) std::printf("  slow %s %d %.0f ms\n", instrument.name, note, latency);
}

const char* Verdict(bool met) { return met ? "met" : "NOT MET"; }

bool RunNotes(NoteRenderer& renderer, double rate, bool expect, bool verbose, Timing& timing) {
  Tally tally;
  lintra::testing::PinkNoise noise(7);
  int count = 0;
  for (const auto& instrument : kInstruments) {
    for (int note = instrument.lowest; note <= instrument.highest; ++note, ++count) {
      std::vector<float> clip;
      renderer.Render(kLead, clip);
      const auto onset = static_cast<std::int64_t>(clip.size());
      renderer.NoteOn(instrument.program, note, kVelocities[count % std::size(kVelocities)]);
      renderer.Render(kHold, clip);
      renderer.NoteOff(note);
      renderer.Render(kRelease, clip);
      const double gain = kGains[count % std::size(kGains)];
      for (auto& s : clip) s *= static_cast<float>(gain);
      const double level = Rms(clip, static_cast<std::size_t>(onset), static_cast<std::size_t>(onset + rate / 2));
      AddNoise(clip, level / 10.0, noise);  // 20 dB below the note

      NoteDetector detector(rate);
      if (expect) detector.Expect(note);
      Judge(instrument, note, Detect(detector, clip, timing), onset, rate, verbose, tally);
    }
  }
  const double rightShare = 100.0 * tally.right / tally.notes;
  const double highMedian = Percentile(tally.highLatency, 0.5);
  const double lowP95 = Percentile(tally.lowLatency, 0.95);
  const bool rightMet = rightShare >= 98.0 && tally.wrongFirst == 0 && tally.early == 0 && tally.twice == 0;
  std::printf(
      "%s, %.0f Hz: %d notes, %d right (%.1f%%), %d wrong first, %d missed, %d answered before the note, "
      "%d answered twice: %s\n",
      expect ? "question" : "free", rate, tally.notes, tally.right, rightShare, tally.wrongFirst, tally.missed,
      tally.early, tally.twice, expect ? Verdict(rightMet) : "(no goal)");
  std::printf(
      "  onset to answer: median %.1f ms above middle C (%s), 95th percentile %.1f ms for F1 to B1 (%s); "
      "median %.1f, 95th percentile %.1f ms over all; onset found within %.1f ms (median)\n",
      highMedian, expect ? Verdict(highMedian <= 50) : "no goal", lowP95, expect ? Verdict(lowP95 <= 90) : "no goal",
      Percentile(tally.allLatency, 0.5), Percentile(tally.allLatency, 0.95), Percentile(tally.onsetError, 0.5));
  return !expect || (rightMet && highMedian <= 50 && lowP95 <= 90);
}

bool RunNoise(double rate, Timing& timing) {
  lintra::testing::PinkNoise noise(11);
  std::vector<float> samples(static_cast<std::size_t>(60 * rate));
  // Noise that swells and fades, as a room's does.
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double swell = 0.02 * (1.0 + 0.8 * std::sin(2.0 * M_PI * static_cast<double>(i) / (7.0 * rate)));
    samples[i] = static_cast<float>(swell * noise.Next());
  }
  NoteDetector free(rate), question(rate);
  question.Expect(60);
  const std::size_t heard = Detect(free, samples, timing).size() + Detect(question, samples, timing).size();
  std::printf("noise, %.0f Hz: 60 s, %zu answers: %s\n", rate, heard, Verdict(heard == 0));
  return heard == 0;
}

// Questions every two seconds, each note sounded for a second; the speakers
// reach the microphone 30 ms after the trainer says it sounds.
bool RunEcho(NoteRenderer& renderer, double rate, Timing& timing) {
  constexpr double kEvery = 2.0, kSounding = 1.0, kSpeakerDelay = 0.03;
  std::mt19937 random(5);
  std::uniform_int_distribution<int> pick(41, 83);
  std::vector<float> samples;
  std::vector<std::pair<std::int64_t, int>> questions;  // frame, note
  renderer.Render(kSpeakerDelay, samples);
  for (double t = 0; t < 60.0; t += kEvery) {
    const int note = pick(random);
    questions.push_back({static_cast<std::int64_t>(t * rate), note});
    renderer.NoteOn(0, note, 100);
    renderer.Render(kSounding, samples);
    renderer.NoteOff(note);
    renderer.Render(kEvery - kSounding, samples);
  }
  samples.resize(static_cast<std::size_t>(60 * rate));
  lintra::testing::PinkNoise noise(13);
  AddNoise(samples, Rms(samples, 0, samples.size()) / 10.0, noise);

  const auto run = [&](bool allowEcho) {
    NoteDetector detector(rate);
    detector.AllowEcho(allowEcho);
    std::size_t next = 0;
    const auto steer = [&](std::int64_t frame) {
      while (next < questions.size() && questions[next].first <= frame + static_cast<std::int64_t>(kBlock)) {
        detector.Expect(questions[next].second);
        detector.TrainerSounding(questions[next].first);
        detector.TrainerSilent(questions[next].first + static_cast<std::int64_t>(kSounding * rate));
        ++next;
      }
    };
    return Detect(detector, samples, timing, steer).size();
  };
  const std::size_t suppressed = run(false);
  const std::size_t allowed = run(true);
  std::printf("echo, %.0f Hz: 60 s of %zu questions heard back, %zu answers (%zu with the echo allowed): %s\n", rate,
              questions.size(), suppressed, allowed, Verdict(suppressed == 0));
  return suppressed == 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<double> rates = {22050, 44100, 48000, 96000};
  std::string soundfont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
  if (const char* chosen = std::getenv("LINTRA_SOUNDFONT")) soundfont = chosen;
  bool verbose = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--rate" && i + 1 < argc) {
      rates = {std::atof(argv[++i])};
    } else if (arg == "--soundfont" && i + 1 < argc) {
      soundfont = argv[++i];
    } else if (arg == "--verbose") {
      verbose = true;
    } else {
      std::fprintf(stderr, "usage: bench_listen [--rate HZ] [--soundfont FILE.sf2] [--verbose]\n");
      return 2;
    }
  }
  bool met = true;
  Timing timing;
  for (const double rate : rates) {
    NoteRenderer renderer(rate, soundfont);
    if (!renderer.Loaded()) {
      std::fprintf(stderr, "bench_listen: cannot load the soundfont %s (Debian: fluid-soundfont-gm)\n",
                   soundfont.c_str());
      return 1;
    }
    met = RunNotes(renderer, rate, true, verbose, timing) && met;
    RunNotes(renderer, rate, false, verbose, timing);
    met = RunNoise(rate, timing) && met;
    met = RunEcho(renderer, rate, timing) && met;
  }
  std::printf(
      "cost: %.2f%% of one core in real time; blocks of %zu frames: 99.9th percentile %.0f us, slowest %.0f us "
      "(a block lasts %.0f to %.0f us)\n",
      100.0 * timing.seconds / timing.audio, kBlock, Percentile(timing.blocks, 0.999) * 1e6, timing.worstBlock * 1e6,
      kBlock / rates.back() * 1e6, kBlock / rates.front() * 1e6);
  std::printf("%s\n", met ? "all goals met" : "some goals NOT MET");
  return met ? 0 : 1;
}

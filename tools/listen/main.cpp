// lintra-listen [--expect MIDI] FILE.wav: runs the trainer's note detector
// over a recording and prints one line per answer the trainer would take:
// onset and answer in milliseconds from the file's start, the MIDI note and
// how many cents off it was. With --expect it listens as during a question
// that asks for that note.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "listen/note_detector.h"
#include "listen/wav/wav_reader.h"

namespace {

constexpr std::size_t kBlock = 512;  // what a capture callback might deliver at once

int Usage() {
  std::fprintf(stderr, "usage: lintra-listen [--expect MIDI] FILE.wav\n");
  return 2;
}

std::optional<int> ParseNote(const std::string& text) {
  char* end = nullptr;
  const long note = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || note < 0 || note > 127) return std::nullopt;
  return static_cast<int>(note);
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<int> expected;
  std::string file;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--expect") {
      if (i + 1 == argc || !(expected = ParseNote(argv[++i]))) {
        std::fprintf(stderr, "lintra-listen: --expect takes a MIDI note number, 0 to 127\n");
        return 2;
      }
    } else if (file.empty() && (arg.empty() || arg[0] != '-' || arg == "-")) {
      file = arg;
    } else {
      return Usage();
    }
  }
  if (file.empty()) return Usage();

  const lintra::listen::WavRead read = lintra::listen::ReadWav(file);
  if (!read.ok) {
    std::fprintf(stderr, "lintra-listen: %s %s\n", file.c_str(), read.problem.c_str());
    return 1;
  }
  lintra::listen::NoteDetector detector(read.audio.sampleRate);
  if (expected) detector.Expect(*expected);
  const double msPerFrame = 1000.0 / read.audio.sampleRate;
  const auto print = [msPerFrame](const lintra::listen::NoteAnswer& answer) {
    std::printf("%lld %lld %d %ld\n", std::llround(answer.onsetFrame * msPerFrame),
                std::llround(answer.answerFrame * msPerFrame), answer.note, std::lround(answer.cents));
  };
  const auto& samples = read.audio.mono;
  for (std::size_t at = 0; at < samples.size(); at += kBlock) {
    detector.Process(samples.data() + at, std::min(kBlock, samples.size() - at), print);
  }
  return 0;
}

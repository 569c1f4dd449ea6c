// Reads a WAV file into one channel of float samples: PCM of 16, 24 or 32
// bits, or 32-bit float, plain or extensible, any rate and channel count
// (the channels averaged). A data chunk cut short by a damaged or unfinished
// file gives the whole frames that are there.
#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace lintra::listen {

struct WavAudio {
  double sampleRate = 0;
  int channels = 0;
  std::vector<float> mono;
};

struct WavRead {
  bool ok = false;
  std::string problem;  // when not ok, what is wrong with the file
  WavAudio audio;
};

WavRead ReadWav(const std::filesystem::path& path);
WavRead ParseWav(std::span<const unsigned char> bytes);

}  // namespace lintra::listen

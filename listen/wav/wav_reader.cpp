#include "listen/wav/wav_reader.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <optional>

namespace lintra::listen {

namespace {

constexpr std::uintmax_t kLargestFile = std::uintmax_t{1} << 31;
constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kFloat = 3;
constexpr std::uint16_t kExtensible = 0xFFFE;

std::uint32_t Le(std::span<const unsigned char> bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
  return value;
}

struct Format {
  std::uint16_t tag = 0;
  int channels = 0;
  std::uint32_t rate = 0;
  int bits = 0;
  std::size_t blockAlign = 0;
};

WavRead Problem(std::string text) { return {false, std::move(text), {}}; }

std::optional<std::string> CheckFormat(const Format& f) {
  if (f.tag != kPcm && f.tag != kFloat) return "its samples are neither PCM nor float";
  if (f.tag == kPcm && f.bits != 16 && f.bits != 24 && f.bits != 32) {
    return "it holds " + std::to_string(f.bits) + "-bit PCM (16, 24 or 32 bits are read)";
  }
  if (f.tag == kFloat && f.bits != 32) return "it holds " + std::to_string(f.bits) + "-bit float (32 bits are read)";
  if (f.channels < 1 || f.channels > 32) return "it has " + std::to_string(f.channels) + " channels";
  if (f.rate < 4000 || f.rate > 768000)
    return "its sample rate, " + std::to_string(f.rate) + " Hz, is not one of audio";
  if (f.blockAlign != static_cast<std::size_t>(f.channels) * static_cast<std::size_t>(f.bits / 8)) {
    return "its frame size does not match its channels and sample size";
  }
  return std::nullopt;
}

float SampleAt(std::span<const unsigned char> data, std::size_t at, const Format& f) {
  if (f.tag == kFloat) {
    const std::uint32_t bits = Le(data, at, 4);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return std::isfinite(value) ? value : 0.0f;
  }
  const int bytes = f.bits / 8;
  // Sign-extend from the sample's own width.
  const auto raw = static_cast<std::int32_t>(Le(data, at, bytes) << (32 - f.bits));
  return static_cast<float>(raw / 2147483648.0);
}

}  // namespace

WavRead ParseWav(std::span<const unsigned char> bytes) {
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
    return Problem("it is not a WAV file");
  }
  std::optional<Format> format;
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::size_t size = Le(bytes, at + 4, 4);
    const std::size_t body = at + 8;
    const std::size_t present = std::min(size, bytes.size() - body);
    if (std::memcmp(bytes.data() + at, "fmt ", 4) == 0) {
      if (present < 16) return Problem("its format chunk is too short");
      Format f;
      f.tag = static_cast<std::uint16_t>(Le(bytes, body, 2));
      f.channels = static_cast<int>(Le(bytes, body + 2, 2));
      f.rate = Le(bytes, body + 4, 4);
      f.blockAlign = Le(bytes, body + 12, 2);
      f.bits = static_cast<int>(Le(bytes, body + 14, 2));
      if (f.tag == kExtensible) {
        if (present < 26) return Problem("its extensible format chunk is too short");
        f.tag = static_cast<std::uint16_t>(Le(bytes, body + 24, 2));  // the sub-format's first two bytes
      }
      if (auto why = CheckFormat(f)) return Problem(*why);
      format = f;
    } else if (std::memcmp(bytes.data() + at, "data", 4) == 0) {
      if (!format) return Problem("its samples come before their format");
      WavRead read{true, {}, {static_cast<double>(format->rate), format->channels, {}}};
      const std::size_t frames = present / format->blockAlign;
      const std::size_t sampleBytes = static_cast<std::size_t>(format->bits / 8);
      read.audio.mono.reserve(frames);
      for (std::size_t frame = 0; frame < frames; ++frame) {
        double sum = 0;
        for (int c = 0; c < format->channels; ++c) {
          sum +=
              SampleAt(bytes, body + frame * format->blockAlign + static_cast<std::size_t>(c) * sampleBytes, *format);
        }
        read.audio.mono.push_back(static_cast<float>(sum / format->channels));
      }
      return read;
    }
    if (size > bytes.size()) break;
    at = body + size + (size & 1);  // chunks are padded to an even size
  }
  return Problem(format ? "it holds no samples" : "it has no format chunk");
}

WavRead ReadWav(const std::filesystem::path& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return Problem("cannot be read: " + error.message());
  if (size > kLargestFile) return Problem("is larger than 2 GiB");
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
  if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
    return Problem("cannot be read");
  }
  WavRead read = ParseWav(bytes);
  if (!read.ok) read.problem = "is not readable: " + read.problem;
  return read;
}

}  // namespace lintra::listen

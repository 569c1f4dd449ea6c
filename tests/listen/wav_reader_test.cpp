#include "listen/wav/wav_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace lintra::listen {
namespace {

using Bytes = std::vector<unsigned char>;

void Put(Bytes& out, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}
void Put(Bytes& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(tag[i]));
}

// A WAV file holding `samples`, the bytes of its interleaved frames.
Bytes Wav(std::uint16_t tag, int channels, std::uint32_t rate, int bits, const Bytes& samples,
          bool extensible = false) {
  Bytes out;
  Put(out, "RIFF");
  Put(out, 0, 4);  // readers need not trust it
  Put(out, "WAVE");
  Put(out, "fmt ");
  Put(out, extensible ? 40 : 16, 4);
  Put(out, extensible ? 0xFFFE : tag, 2);
  Put(out, static_cast<std::uint32_t>(channels), 2);
  Put(out, rate, 4);
  Put(out, rate * static_cast<std::uint32_t>(channels * bits / 8), 4);
  Put(out, static_cast<std::uint32_t>(channels * bits / 8), 2);
  Put(out, static_cast<std::uint32_t>(bits), 2);
  if (extensible) {
    Put(out, 22, 2);
    Put(out, static_cast<std::uint32_t>(bits), 2);
    Put(out, 3, 4);
    Put(out, tag, 2);
    out.insert(out.end(), 14, 0);
  }
  Put(out, "LIST");  // a chunk to skip, odd-sized so that it is padded
  Put(out, 3, 4);
  out.insert(out.end(), 4, 'x');
  Put(out, "data");
  Put(out, static_cast<std::uint32_t>(samples.size()), 4);
  out.insert(out.end(), samples.begin(), samples.end());
  return out;
}

TEST(WavReader, ReadsPcmAndFloatMonoAndStereo) {
  Bytes pcm16;
  for (const std::int16_t s : {0, 16384, -32768, 32767}) Put(pcm16, static_cast<std::uint16_t>(s), 2);
  WavRead read = ParseWav(Wav(1, 1, 22050, 16, pcm16));
  ASSERT_TRUE(read.ok) << read.problem;
  EXPECT_EQ(read.audio.sampleRate, 22050);
  EXPECT_EQ(read.audio.mono, (std::vector<float>{0.0f, 0.5f, -1.0f, 32767.0f / 32768.0f}));

  // Stereo float: the channels averaged.
  Bytes stereo;
  for (const float s : {1.0f, 0.0f, -0.5f, -0.25f}) {
    std::uint32_t bits;
    std::memcpy(&bits, &s, 4);
    Put(stereo, bits, 4);
  }
  read = ParseWav(Wav(3, 2, 96000, 32, stereo));
  ASSERT_TRUE(read.ok) << read.problem;
  EXPECT_EQ(read.audio.channels, 2);
  EXPECT_EQ(read.audio.mono, (std::vector<float>{0.5f, -0.375f}));

  Bytes pcm24;
  Put(pcm24, 0xC00000, 3);  // -0.5
  read = ParseWav(Wav(1, 1, 48000, 24, pcm24, true));
  ASSERT_TRUE(read.ok) << read.problem;
  EXPECT_EQ(read.audio.mono, (std::vector<float>{-0.5f}));
}

TEST(WavReader, DamagedFilesAreToldNeverRead) {
  Bytes samples(4000, 0x11);
  const Bytes good = Wav(1, 2, 44100, 16, samples);
  // Cut anywhere: before the samples a problem, within them the whole frames there are.
  for (std::size_t size = 0; size < good.size(); ++size) {
    const WavRead read = ParseWav({good.data(), size});
    if (read.ok) {
      EXPECT_LE(read.audio.mono.size(), 1000u);
    } else {
      EXPECT_FALSE(read.problem.empty());
    }
  }
  EXPECT_EQ(ParseWav({good.data(), good.size() - 3}).audio.mono.size(), 999u);

  EXPECT_FALSE(ParseWav(Wav(1, 0, 44100, 16, samples)).ok);  // no channels
  EXPECT_FALSE(ParseWav(Wav(1, 1, 0, 16, samples)).ok);      // no rate
  EXPECT_FALSE(ParseWav(Wav(1, 1, 44100, 12, samples)).ok);  // an odd sample size
  EXPECT_FALSE(ParseWav(Wav(2, 1, 44100, 16, samples)).ok);  // compressed
  EXPECT_FALSE(ParseWav(Wav(3, 1, 44100, 64, samples)).ok);  // double precision
  Bytes lying = Wav(1, 1, 44100, 16, samples);
  lying[16] = 0xFF, lying[17] = 0xFF, lying[18] = 0xFF, lying[19] = 0x7F;  // a format chunk past the end
  EXPECT_FALSE(ParseWav(lying).ok);

  const auto path = std::filesystem::temp_directory_path() / "lintra_wav_reader_test.wav";
  std::ofstream(path, std::ios::binary) << "not audio at all";
  const WavRead text = ReadWav(path);
  EXPECT_FALSE(text.ok);
  EXPECT_NE(text.problem.find("not a WAV file"), std::string::npos);
  std::filesystem::remove(path);
  EXPECT_FALSE(ReadWav(path).ok);
}

}  // namespace
}  // namespace lintra::listen

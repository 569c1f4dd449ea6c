#include "midi/synth/synth_service.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <string>
#include <vector>

#include "midi/result_texts.h"

namespace lintra::midi {
namespace {

using namespace std::chrono_literals;

constexpr double kRate = 48000.0;
constexpr std::size_t kHalfSecond = 24000;
constexpr std::size_t kTenthSecond = 4800;
// Full scale is 32767.  A General MIDI note at velocity 127 renders an RMS in
// the hundreds at the default gain; silence is dither only (RMS below 1).
constexpr double kAudibleRms = 50.0;
constexpr double kSilentRms = 2.0;

std::uint32_t Pack(int status, int d1, int d2) { return static_cast<std::uint32_t>(status | (d1 << 8) | (d2 << 16)); }

double Rms(const std::vector<std::int16_t>& samples) {
  if (samples.empty()) return 0;
  double sum = 0;
  for (const auto s : samples) sum += static_cast<double>(s) * s;
  return std::sqrt(sum / static_cast<double>(samples.size()));
}

int Peak(const std::vector<std::int16_t>& samples) {
  int peak = 0;
  for (const auto s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak;
}

SynthOptions Offline(std::string soundfont = {}) {
  SynthOptions options;
  options.audio = false;
  options.sampleRate = kRate;
  options.soundfont = std::move(soundfont);
  return options;
}

struct Records {
  std::vector<std::uint32_t> messages;
  std::vector<std::uintptr_t> p1;
};

void Record(DeviceHandle, std::uint32_t message, std::uintptr_t instance, std::uintptr_t p1, std::uintptr_t) {
  auto* records = reinterpret_cast<Records*>(instance);
  records->messages.push_back(message);
  records->p1.push_back(p1);
}

class SynthRenderTest : public ::testing::TestWithParam<std::pair<int, int>> {
 protected:
  void SetUp() override {
    if (FindSoundfont().empty() || !std::filesystem::exists(FindSoundfont()))
      GTEST_SKIP() << "no General MIDI soundfont on this machine";
  }
};

// The trainer's two sounds: the piano of every question (program 0, middle C)
// and the error signal of a wrong answer (program 113, note 81); and an
// instrument chosen instead of the piano, whose presets load only now.
TEST_P(SynthRenderTest, NoteSoundsAfterNoteOnAndNotBefore) {
  const auto [program, note] = GetParam();
  SynthService synth(Offline());
  ASSERT_TRUE(synth.WaitUntilReady(10s));
  ASSERT_TRUE(synth.Sounding());
  DeviceHandle handle = kNoHandle;
  ASSERT_EQ(synth.OutOpen(handle, 0, nullptr, 0), kOk);

  ASSERT_EQ(synth.OutShortMsg(handle, Pack(192, program, 0)), kOk);
  EXPECT_LT(Rms(synth.RenderOffline(kTenthSecond)), kSilentRms) << "sound before any note-on";

  ASSERT_EQ(synth.OutShortMsg(handle, Pack(144, note, 127)), kOk);
  const double rms = Rms(synth.RenderOffline(kHalfSecond));
  RecordProperty("rms", std::to_string(rms));
  EXPECT_GT(rms, kAudibleRms);
  EXPECT_EQ(synth.OutClose(handle), kOk);
}

INSTANTIATE_TEST_SUITE_P(TrainerSounds, SynthRenderTest,
                         ::testing::Values(std::pair{0, 60}, std::pair{113, 81}, std::pair{19, 60}));

TEST_F(SynthRenderTest, NoteOffEndsTheNoteAndVelocityZeroIsANoteOff) {
  SynthService synth(Offline());
  ASSERT_TRUE(synth.WaitUntilReady(10s));
  DeviceHandle handle = kNoHandle;
  ASSERT_EQ(synth.OutOpen(handle, 0, nullptr, 0), kOk);
  for (const std::uint32_t off : {Pack(128, 60, 0), Pack(144, 60, 0)}) {
    ASSERT_EQ(synth.OutShortMsg(handle, Pack(144, 60, 127)), kOk);
    const double sounding = Rms(synth.RenderOffline(kTenthSecond));
    ASSERT_EQ(synth.OutShortMsg(handle, off), kOk);
    synth.RenderOffline(2 * kHalfSecond * 2);  // release and reverb tail
    const double after = Rms(synth.RenderOffline(kTenthSecond));
    EXPECT_GT(sounding, kAudibleRms);
    EXPECT_LT(after, sounding / 50) << std::hex << off;
  }
}

// Everything sent while the soundfont is still loading takes effect once it
// is in: the notes still held then start, each under the program it was sent
// with, and a note-off sent meanwhile cancels its note.  The render then
// equals one where only the surviving messages came after the load.
TEST_F(SynthRenderTest, NotesHeldWhileTheSoundfontLoadsStartWhenItIsIn) {
  std::promise<void> release;
  std::shared_future<void> loadMayStart = release.get_future().share();
  SynthOptions options = Offline();
  options.beforeLoad = [loadMayStart] { loadMayStart.wait(); };
  SynthService slow(options);
  DeviceHandle handle = kNoHandle;
  ASSERT_EQ(slow.OutOpen(handle, 0, nullptr, 0), kOk);
  // A wrong answer's error signal, a note taken back, then the piano again
  // with two notes of which one is released by a velocity-zero note-on.
  for (const std::uint32_t message : {Pack(192, 113, 0), Pack(144, 81, 127), Pack(144, 60, 127), Pack(128, 60, 0),
                                      Pack(192, 0, 0), Pack(144, 64, 100), Pack(144, 67, 100), Pack(144, 67, 0),
                                      Pack(0x99, 38, 90), Pack(0xC1, 19, 0), Pack(0x91, 55, 100)})
    ASSERT_EQ(slow.OutShortMsg(handle, message), kOk);
  EXPECT_FALSE(slow.Sounding());
  release.set_value();
  ASSERT_TRUE(slow.WaitUntilReady(10s));
  const auto sound = slow.RenderOffline(kHalfSecond);
  EXPECT_GT(Rms(sound), kAudibleRms);

  auto renderAfterLoad = [](std::vector<std::uint32_t> messages) {
    SynthService synth(Offline());
    EXPECT_TRUE(synth.WaitUntilReady(10s));
    DeviceHandle h = kNoHandle;
    EXPECT_EQ(synth.OutOpen(h, 0, nullptr, 0), kOk);
    for (const auto message : messages) synth.OutShortMsg(h, message);
    return synth.RenderOffline(kHalfSecond);
  };
  EXPECT_EQ(sound, renderAfterLoad({Pack(192, 113, 0), Pack(144, 81, 127), Pack(192, 0, 0), Pack(144, 64, 100),
                                    Pack(0x99, 38, 90), Pack(0xC1, 19, 0), Pack(0x91, 55, 100)}));
  EXPECT_EQ(slow.OutClose(handle), kOk);
}

// The drum kit is chosen only when the percussion channel is first played.
TEST_F(SynthRenderTest, PercussionChannelPlaysTheDrumKit) {
  SynthService synth(Offline());
  ASSERT_TRUE(synth.WaitUntilReady(10s));
  DeviceHandle handle = kNoHandle;
  ASSERT_EQ(synth.OutOpen(handle, 0, nullptr, 0), kOk);
  ASSERT_EQ(synth.OutShortMsg(handle, Pack(0x99, 38, 127)), kOk);  // snare, channel 10
  EXPECT_GT(Rms(synth.RenderOffline(kTenthSecond)), kAudibleRms);
  EXPECT_EQ(synth.OutClose(handle), kOk);
}

TEST(SynthServiceTest, MissingSoundfontStillTakesEveryMessage) {
  const std::string missing = "/nonexistent/lintra-test.sf2";
  ASSERT_EQ(setenv("LINTRA_SOUNDFONT", missing.c_str(), 1), 0);
  EXPECT_EQ(FindSoundfont(), missing);
  SynthService synth(Offline());
  unsetenv("LINTRA_SOUNDFONT");
  EXPECT_EQ(synth.SoundfontPath(), missing);
  ASSERT_TRUE(synth.WaitUntilReady(10s));
  EXPECT_FALSE(synth.Sounding());

  Records records;
  DeviceHandle handle = kNoHandle;
  ASSERT_EQ(synth.OutOpen(handle, kMidiMapper, &Record, reinterpret_cast<std::uintptr_t>(&records)), kOk);
  for (int note = 0; note < 128; ++note) {
    EXPECT_EQ(synth.OutShortMsg(handle, Pack(192, note, 0)), kOk);
    EXPECT_EQ(synth.OutShortMsg(handle, Pack(144, note, 127)), kOk);
    EXPECT_EQ(synth.OutShortMsg(handle, Pack(176, 64, note)), kOk);
    EXPECT_EQ(synth.OutShortMsg(handle, Pack(224, note, note)), kOk);
  }
  std::uint8_t sysex[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};  // GM system on
  LongHeader header;
  header.data = sysex;
  header.bufferLength = sizeof sysex;
  ASSERT_EQ(synth.OutPrepareHeader(handle, &header), kOk);
  ASSERT_EQ(synth.OutLongMsg(handle, &header), kOk);
  EXPECT_EQ(Peak(synth.RenderOffline(kHalfSecond)), 0);
  ASSERT_EQ(synth.OutClose(handle), kOk);
  const std::vector<std::uint32_t> expected = {MOM_OPEN, MOM_DONE, MOM_CLOSE};
  EXPECT_EQ(records.messages, expected);
}

// Whoever asks is told once why no note will sound, before or after the load.
TEST(SynthServiceTest, LoadedHookTellsOnceWhyItIsSilent) {
  std::vector<std::string> early, late;
  {
    SynthService synth(Offline("/nonexistent/lintra-test.sf2"));
    synth.OnLoaded([&](const std::string& silence) { early.push_back(silence); });
    ASSERT_TRUE(synth.WaitUntilReady(10s));
    synth.OnLoaded([&](const std::string& silence) { late.push_back(silence); });
    EXPECT_EQ(late, std::vector<std::string>{"it found no sound font"}) << "told at once after the load";
  }  // the loader has ended here
  EXPECT_EQ(early, std::vector<std::string>{"it found no sound font"});

  if (FindSoundfont().empty() || !std::filesystem::exists(FindSoundfont())) return;
  std::vector<std::string> sounding;
  {
    SynthService synth(Offline(FindSoundfont()));
    synth.OnLoaded([&](const std::string& silence) { sounding.push_back(silence); });
    ASSERT_TRUE(synth.WaitUntilReady(10s));  // loading starts at the first open or wait
  }
  EXPECT_EQ(sounding, std::vector<std::string>{""});
}

TEST(SynthServiceTest, DeviceCallsCheckHandlesHeadersAndNumbers) {
  SynthService synth(Offline("/nonexistent.sf2"));
  EXPECT_EQ(synth.OutGetNumDevs(), 1u);
  OutCaps caps;
  ASSERT_EQ(synth.OutGetDevCaps(0, caps), kOk);
  EXPECT_EQ(caps.productName, "Built-in Synthesizer");
  ASSERT_EQ(synth.OutGetDevCaps(kMidiMapper, caps), kOk);
  EXPECT_EQ(caps.productName, "Built-in Synthesizer");
  EXPECT_EQ(synth.OutGetDevCaps(1, caps), kErrBadDeviceId);

  DeviceHandle handle = kNoHandle;
  EXPECT_EQ(synth.OutOpen(handle, 1, nullptr, 0), kErrBadDeviceId);
  EXPECT_EQ(handle, kNoHandle);
  EXPECT_EQ(synth.OutShortMsg(12345, Pack(144, 60, 127)), kErrInvalidHandle);

  ASSERT_EQ(synth.OutOpen(handle, 0, nullptr, 0), kOk);
  DeviceHandle second = kNoHandle;
  ASSERT_EQ(synth.OutOpen(second, kMidiMapper, nullptr, 0), kOk);
  EXPECT_NE(handle, second);

  std::uint8_t bytes[] = {0xF0, 0xF7};
  LongHeader header;
  header.data = bytes;
  header.bufferLength = sizeof bytes;
  EXPECT_EQ(synth.OutLongMsg(handle, &header), kErrUnprepared);
  EXPECT_EQ(synth.OutLongMsg(handle, nullptr), kErrInvalParam);
  ASSERT_EQ(synth.OutPrepareHeader(handle, &header), kOk);
  EXPECT_EQ(synth.OutLongMsg(handle, &header), kOk);
  EXPECT_TRUE(header.flags & kHdrDone);
  EXPECT_EQ(synth.OutUnprepareHeader(handle, &header), kOk);
  EXPECT_FALSE(header.flags & kHdrPrepared);

  EXPECT_EQ(synth.OutClose(handle), kOk);
  EXPECT_EQ(synth.OutClose(handle), kErrInvalidHandle);
  EXPECT_EQ(synth.OutShortMsg(handle, Pack(144, 60, 127)), kErrInvalidHandle);
  EXPECT_EQ(synth.OutShortMsg(second, Pack(144, 60, 127)), kOk);
  EXPECT_EQ(synth.OutClose(second), kOk);

  std::string text, standard;
  ASSERT_EQ(synth.OutGetErrorText(kErrBadDeviceId, text), kOk);
  ASSERT_TRUE(StandardResultText(kErrBadDeviceId, standard));
  EXPECT_EQ(text, standard);
  EXPECT_NE(synth.OutGetErrorText(4242, text), kOk);
}

// With no sound card every driver fails; the synthesizer must come up silent
// at once, without the six seconds of a JACK client starting a server.
TEST(SynthServiceTest, NoAudioDeviceGivesASilentSynthesizerWithoutDelay) {
  const auto start = std::chrono::steady_clock::now();
  {
    SynthService synth;  // real drivers
    ASSERT_TRUE(synth.WaitUntilReady(10s));
    std::string silence = "not told";
    synth.OnLoaded([&](const std::string& why) { silence = why; });
    const char* noStart = std::getenv("JACK_NO_START_SERVER");
    ASSERT_NE(noStart, nullptr);
    const SynthAudioInfo audio = synth.AudioInfo();
    RecordProperty("driver", audio.driver.empty() ? "none" : audio.driver);
    // Nothing would drain the synthesizer without a driver: it must be the
    // silent one then, not a queue that fills up note by note.
    if (audio.driver.empty()) {
      EXPECT_FALSE(synth.Sounding());
    }
    const bool font = !FindSoundfont().empty() && std::filesystem::exists(FindSoundfont());
    EXPECT_EQ(silence, !audio.driver.empty() ? "" : font ? "it could open no audio output" : "it found no sound font");
    DeviceHandle handle = kNoHandle;
    ASSERT_EQ(synth.OutOpen(handle, 0, nullptr, 0), kOk);
    for (int i = 0; i < 2000; ++i) {
      EXPECT_EQ(synth.OutShortMsg(handle, Pack(144, 41 + i % 43, 127)), kOk);
      EXPECT_EQ(synth.OutShortMsg(handle, Pack(128, 41 + i % 43, 0)), kOk);
    }
    EXPECT_EQ(synth.OutClose(handle), kOk);
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

}  // namespace
}  // namespace lintra::midi

#include "midi/synth/synth_service.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <string>
#include <vector>

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

ShortMessage Msg(int status, int d1, int d2) {
  return {static_cast<std::uint8_t>(status), static_cast<std::uint8_t>(d1), static_cast<std::uint8_t>(d2)};
}

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
  std::unique_ptr<OutputConnection> port;
  ASSERT_EQ(synth.OpenOutput(0, port), kOk);

  ASSERT_EQ(port->Send(Msg(192, program, 0)), kOk);
  EXPECT_LT(Rms(synth.RenderOffline(kTenthSecond)), kSilentRms) << "sound before any note-on";

  ASSERT_EQ(port->Send(Msg(144, note, 127)), kOk);
  const double rms = Rms(synth.RenderOffline(kHalfSecond));
  RecordProperty("rms", std::to_string(rms));
  EXPECT_GT(rms, kAudibleRms);
  EXPECT_EQ(port->Close(), kOk);
}

INSTANTIATE_TEST_SUITE_P(TrainerSounds, SynthRenderTest,
                         ::testing::Values(std::pair{0, 60}, std::pair{113, 81}, std::pair{19, 60}));

TEST_F(SynthRenderTest, NoteOffEndsTheNoteAndVelocityZeroIsANoteOff) {
  SynthService synth(Offline());
  ASSERT_TRUE(synth.WaitUntilReady(10s));
  std::unique_ptr<OutputConnection> port;
  ASSERT_EQ(synth.OpenOutput(0, port), kOk);
  for (const ShortMessage off : {Msg(128, 60, 0), Msg(144, 60, 0)}) {
    ASSERT_EQ(port->Send(Msg(144, 60, 127)), kOk);
    const double sounding = Rms(synth.RenderOffline(kTenthSecond));
    ASSERT_EQ(port->Send(off), kOk);
    synth.RenderOffline(2 * kHalfSecond * 2);  // release and reverb tail
    const double after = Rms(synth.RenderOffline(kTenthSecond));
    EXPECT_GT(sounding, kAudibleRms);
    EXPECT_LT(after, sounding / 50) << std::hex << Packed(off);
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
  std::unique_ptr<OutputConnection> port;
  ASSERT_EQ(slow.OpenOutput(0, port), kOk);
  // A wrong answer's error signal, a note taken back, then the piano again
  // with two notes of which one is released by a velocity-zero note-on.
  for (const ShortMessage message :
       {Msg(192, 113, 0), Msg(144, 81, 127), Msg(144, 60, 127), Msg(128, 60, 0), Msg(192, 0, 0), Msg(144, 64, 100),
        Msg(144, 67, 100), Msg(144, 67, 0), Msg(0x99, 38, 90), Msg(0xC1, 19, 0), Msg(0x91, 55, 100)})
    ASSERT_EQ(port->Send(message), kOk);
  EXPECT_FALSE(slow.Sounding());
  release.set_value();
  ASSERT_TRUE(slow.WaitUntilReady(10s));
  const auto sound = slow.RenderOffline(kHalfSecond);
  EXPECT_GT(Rms(sound), kAudibleRms);

  auto renderAfterLoad = [](std::vector<ShortMessage> messages) {
    SynthService synth(Offline());
    EXPECT_TRUE(synth.WaitUntilReady(10s));
    std::unique_ptr<OutputConnection> late;
    EXPECT_EQ(synth.OpenOutput(0, late), kOk);
    for (const auto message : messages) late->Send(message);
    return synth.RenderOffline(kHalfSecond);
  };
  EXPECT_EQ(sound, renderAfterLoad({Msg(192, 113, 0), Msg(144, 81, 127), Msg(192, 0, 0), Msg(144, 64, 100),
                                    Msg(0x99, 38, 90), Msg(0xC1, 19, 0), Msg(0x91, 55, 100)}));
  EXPECT_EQ(port->Close(), kOk);
}

// The drum kit is chosen only when the percussion channel is first played.
TEST_F(SynthRenderTest, PercussionChannelPlaysTheDrumKit) {
  SynthService synth(Offline());
  ASSERT_TRUE(synth.WaitUntilReady(10s));
  std::unique_ptr<OutputConnection> port;
  ASSERT_EQ(synth.OpenOutput(0, port), kOk);
  ASSERT_EQ(port->Send(Msg(0x99, 38, 127)), kOk);  // snare, channel 10
  EXPECT_GT(Rms(synth.RenderOffline(kTenthSecond)), kAudibleRms);
  EXPECT_EQ(port->Close(), kOk);
}

// A note still sounding when the last user lets go must not ring on.
TEST_F(SynthRenderTest, NotesEndWhenTheLastConnectionCloses) {
  SynthService synth(Offline());
  ASSERT_TRUE(synth.WaitUntilReady(10s));
  std::unique_ptr<OutputConnection> first, second;
  ASSERT_EQ(synth.OpenOutput(0, first), kOk);
  ASSERT_EQ(synth.OpenOutput(0, second), kOk);
  ASSERT_EQ(first->Send(Msg(144, 60, 127)), kOk);
  first.reset();
  EXPECT_GT(Rms(synth.RenderOffline(kTenthSecond)), kAudibleRms) << "another user still plays";
  ASSERT_EQ(second->Close(), kOk);
  synth.RenderOffline(2 * kHalfSecond * 2);  // release and reverb tail
  EXPECT_LT(Rms(synth.RenderOffline(kTenthSecond)), kSilentRms);
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

  std::unique_ptr<OutputConnection> port;
  ASSERT_EQ(synth.OpenOutput(kMidiMapper, port), kOk);
  for (int note = 0; note < 128; ++note) {
    EXPECT_EQ(port->Send(Msg(192, note, 0)), kOk);
    EXPECT_EQ(port->Send(Msg(144, note, 127)), kOk);
    EXPECT_EQ(port->Send(Msg(176, 64, note)), kOk);
    EXPECT_EQ(port->Send(Msg(224, note, note)), kOk);
  }
  const std::uint8_t sysex[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};  // GM system on
  EXPECT_EQ(port->SendSysex(sysex), kOk);
  EXPECT_EQ(Peak(synth.RenderOffline(kHalfSecond)), 0);
  EXPECT_EQ(port->Close(), kOk);
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

TEST(SynthServiceTest, OnePortUnderTwoNumbersOpenedAsOftenAsWanted) {
  SynthService synth(Offline("/nonexistent.sf2"));
  EXPECT_EQ(synth.OutputCount(), 1u);
  OutCaps caps;
  ASSERT_EQ(synth.DescribeOutput(0, caps), kOk);
  EXPECT_EQ(caps.productName, "Built-in Synthesizer");
  ASSERT_EQ(synth.DescribeOutput(kMidiMapper, caps), kOk);
  EXPECT_EQ(caps.productName, "Built-in Synthesizer");
  EXPECT_EQ(synth.DescribeOutput(1, caps), kErrBadDeviceId);

  std::unique_ptr<OutputConnection> first, second;
  EXPECT_EQ(synth.OpenOutput(1, first), kErrBadDeviceId);
  EXPECT_EQ(first, nullptr);
  ASSERT_EQ(synth.OpenOutput(0, first), kOk);
  ASSERT_EQ(synth.OpenOutput(kMidiMapper, second), kOk);
  EXPECT_EQ(first->Close(), kOk);
  EXPECT_EQ(second->Send(Msg(144, 60, 127)), kOk);
  EXPECT_EQ(second->Close(), kOk);
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
    std::unique_ptr<OutputConnection> port;
    ASSERT_EQ(synth.OpenOutput(0, port), kOk);
    for (int i = 0; i < 2000; ++i) {
      EXPECT_EQ(port->Send(Msg(144, 41 + i % 43, 127)), kOk);
      EXPECT_EQ(port->Send(Msg(128, 41 + i % 43, 0)), kOk);
    }
    EXPECT_EQ(port->Close(), kOk);
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

}  // namespace
}  // namespace lintra::midi

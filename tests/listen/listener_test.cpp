#include "listen/listener.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "listen/sample_ring.h"
#include "testing/fake_capture_service.h"
#include "tones.h"

namespace lintra::listen {
namespace {

// The capture thread writes a count up through a small ring while the
// consumer reads: every sample arrives once, in order, or is counted lost.
TEST(SampleRing, HandsSamplesOverBetweenThreadsInOrder) {
  SampleRing ring(1000);
  EXPECT_EQ(ring.Capacity(), 1024u);
  constexpr int kTotal = 2'000'000;
  std::thread producer([&ring] {
    float block[64];
    for (int next = 0; next < kTotal;) {
      // Never past the total: a partial write leaves `next` off the block grid.
      const int size = std::min(64, kTotal - next);
      for (int i = 0; i < size; ++i) block[i] = static_cast<float>(next + i);
      next += static_cast<int>(ring.Write(block, static_cast<std::size_t>(size)));
    }
  });
  float out[100];
  int expected = 0;
  bool inOrder = true;
  while (expected < kTotal) {
    const std::size_t count = ring.Read(out, 100);
    for (std::size_t i = 0; i < count; ++i) inOrder = inOrder && out[i] == static_cast<float>(expected++);
  }
  producer.join();
  EXPECT_TRUE(inOrder);
  EXPECT_EQ(ring.Read(out, 100), 0u);

  float full[2000] = {};
  EXPECT_EQ(ring.Write(full, 2000), 1024u);  // what does not fit is refused whole-sample
}

struct ListenerTest : ::testing::Test {
  ListenerSettings OnTestClock() {
    ListenerSettings settings;
    settings.clock = [this] { return now; };
    return settings;
  }

  testing::FakeCaptureService capture;
  double now = 0;
  Listener listener{capture, OnTestClock()};

  // A stereo note delivered on a thread of its own, as a sound system's
  // callback would, in periods of 256 frames; then polled.
  Heard PlayAndPoll(const Tone& tone) {
    std::vector<float> mono;
    AppendSilence(mono, 0.2, capture.sampleRate);
    AppendTone(mono, tone, capture.sampleRate);
    std::thread device([this, &mono] {
      for (std::size_t at = 0; at + 256 <= mono.size(); at += 256) {
        std::vector<float> stereo;
        for (std::size_t i = at; i < at + 256; ++i) stereo.insert(stereo.end(), {mono[i], mono[i]});
        capture.Deliver(stereo);
      }
    });
    device.join();
    return listener.Poll();
  }
};

TEST_F(ListenerTest, HearsTheNoteTheDeviceDeliversAndShowsItsLevel) {
  ASSERT_TRUE(listener.Start("USB Audio").ok);
  EXPECT_EQ(capture.Started(), "USB Audio");
  listener.Expect(55);
  const Heard heard = PlayAndPoll({.note = 55, .harmonics = {1.0, 0.5, 0.3}, .amplitude = 0.4});
  ASSERT_EQ(heard.answers.size(), 1u);
  EXPECT_EQ(heard.answers[0].note, 55);
  EXPECT_TRUE(heard.problem.empty());
  EXPECT_GT(listener.Level(), 0.4f);
  EXPECT_EQ(listener.Level(), 0.0f);  // taken
  // The note began 200 ms into a 1.2 s delivery, plus the device's 10 ms.
  EXPECT_NEAR(listener.SecondsSinceOnset(heard.answers[0]), 1.01, 0.01);
  EXPECT_GT(listener.DetectionSeconds(heard.answers[0]), 0.0);

  listener.Stop();
  EXPECT_FALSE(capture.Running());
  EXPECT_FALSE(listener.Start("Nowhere").ok);
}

TEST_F(ListenerTest, TrainerSoundingNowSilencesWhatArrivesAfter) {
  ASSERT_TRUE(listener.Start("").ok);
  listener.TrainerSounding();
  const Heard heard = PlayAndPoll({.note = 60, .harmonics = {1.0, 0.5}});
  EXPECT_TRUE(heard.answers.empty());
}

TEST_F(ListenerTest, VanishedOrSilentDeviceIsToldOnceAndListeningStops) {
  ASSERT_TRUE(listener.Start("").ok);
  capture.Vanish();
  Heard heard = listener.Poll();
  EXPECT_NE(heard.problem.find("no longer there"), std::string::npos);
  EXPECT_FALSE(listener.Listening());
  EXPECT_FALSE(capture.Running());
  EXPECT_TRUE(listener.Poll().problem.empty());

  ASSERT_TRUE(listener.Start("").ok);
  capture.Deliver(std::vector<float>(512));
  now = 1.5;
  EXPECT_TRUE(listener.Poll().problem.empty());
  now = 4.0;
  heard = listener.Poll();
  EXPECT_NE(heard.problem.find("stopped delivering"), std::string::npos);
  EXPECT_FALSE(listener.Listening());
}

}  // namespace
}  // namespace lintra::listen

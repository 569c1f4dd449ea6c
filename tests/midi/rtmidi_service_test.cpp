#include "midi/rtmidi/rtmidi_service.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace lintra::midi {
namespace {

using namespace std::chrono_literals;

// A JACK server name that nobody runs, so the JACK side finds no server even
// on a machine with a JACK session.
class RtMidiNoServerTest : public ::testing::Test {
 protected:
  void SetUp() override { setenv("JACK_DEFAULT_SERVER", "lintra-test-no-server", 1); }
};

// No server: zero devices, clean result codes, and no six-second attempt to
// start a server (JACK_NO_START_SERVER is set before the first client).
TEST_F(RtMidiNoServerTest, JackWithoutServerListsNothingAndFailsCleanly) {
  const auto start = std::chrono::steady_clock::now();
  {
    RtMidiService service(RtMidiBackend::Jack);
    ASSERT_NE(std::getenv("JACK_NO_START_SERVER"), nullptr);
    EXPECT_EQ(service.ApiName(), "jack");
    EXPECT_EQ(service.OutputCount(), 0u);
    EXPECT_EQ(service.InputCount(), 0u);

    OutCaps out;
    InCaps in;
    EXPECT_EQ(service.DescribeOutput(0, out), kErrBadDeviceId);
    EXPECT_EQ(service.DescribeOutput(kMidiMapper, out), kErrBadDeviceId);
    EXPECT_EQ(service.DescribeInput(0, in), kErrBadDeviceId);
    std::unique_ptr<OutputConnection> output;
    EXPECT_EQ(service.OpenOutput(0, output), kErrBadDeviceId);
    EXPECT_EQ(output, nullptr);
    struct : InputListener {
      void Received(std::span<const std::uint8_t>) noexcept override {}
    } listener;
    std::unique_ptr<InputConnection> input;
    EXPECT_EQ(service.OpenInput(0, listener, input), kErrBadDeviceId);
    EXPECT_EQ(input, nullptr);
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

TEST_F(RtMidiNoServerTest, AutomaticChoiceFallsBackToJackWithoutSequencer) {
  RtMidiService service;
  if (std::filesystem::exists("/dev/snd/seq")) {
    EXPECT_EQ(service.ApiName(), "alsa");
  } else {
    EXPECT_EQ(service.ApiName(), "jack");
    EXPECT_EQ(service.OutputCount(), 0u);
  }
}

// The number of bytes sent for a packed message: program change and channel
// pressure are two bytes, system-exclusive never goes as a short message.
TEST(RtMidiServiceTest, ShortMessageLengthFollowsTheStatusByte) {
  const std::pair<int, int> cases[] = {{0x00, 0}, {0x7F, 0}, {0x80, 3}, {0x90, 3}, {0xA5, 3}, {0xB0, 3}, {0xC0, 2},
                                       {0xCF, 2}, {0xD3, 2}, {0xE0, 3}, {0xF0, 0}, {0xF1, 2}, {0xF2, 3}, {0xF3, 2},
                                       {0xF6, 1}, {0xF7, 0}, {0xF8, 1}, {0xFE, 1}, {0xFF, 1}};
  for (const auto& [status, length] : cases)
    EXPECT_EQ(ShortMessageLength(static_cast<std::uint8_t>(status)), length) << std::hex << status;
}

}  // namespace
}  // namespace lintra::midi

#include "midi/rtmidi/rtmidi_service.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "midi/result_texts.h"

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
    EXPECT_EQ(service.OutGetNumDevs(), 0u);
    EXPECT_EQ(service.InGetNumDevs(), 0u);

    OutCaps out;
    InCaps in;
    EXPECT_EQ(service.OutGetDevCaps(0, out), kErrBadDeviceId);
    EXPECT_EQ(service.OutGetDevCaps(kMidiMapper, out), kErrBadDeviceId);
    EXPECT_EQ(service.InGetDevCaps(0, in), kErrBadDeviceId);
    DeviceHandle handle = 77;
    EXPECT_EQ(service.OutOpen(handle, 0, nullptr, 0), kErrBadDeviceId);
    EXPECT_EQ(handle, kNoHandle);
    EXPECT_EQ(service.InOpen(handle, 0, nullptr, 0), kErrBadDeviceId);

    const DeviceHandle bogus = 0x1234;
    LongHeader header;
    EXPECT_EQ(service.OutShortMsg(bogus, 0x7F3C90), kErrInvalidHandle);
    EXPECT_EQ(service.OutLongMsg(bogus, &header), kErrInvalidHandle);
    EXPECT_EQ(service.OutClose(bogus), kErrInvalidHandle);
    EXPECT_EQ(service.InStart(bogus), kErrInvalidHandle);
    EXPECT_EQ(service.InAddBuffer(bogus, &header), kErrInvalidHandle);
    EXPECT_EQ(service.InReset(bogus), kErrInvalidHandle);
    EXPECT_EQ(service.InClose(bogus), kErrInvalidHandle);
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

TEST_F(RtMidiNoServerTest, AutomaticChoiceFallsBackToJackWithoutSequencer) {
  RtMidiService service;
  if (std::filesystem::exists("/dev/snd/seq")) {
    EXPECT_EQ(service.ApiName(), "alsa");
  } else {
    EXPECT_EQ(service.ApiName(), "jack");
    EXPECT_EQ(service.OutGetNumDevs(), 0u);
  }
}

TEST(RtMidiServiceTest, ErrorTextsCoverSharedAndOwnCodes) {
  setenv("JACK_DEFAULT_SERVER", "lintra-test-no-server", 1);
  RtMidiService service(RtMidiBackend::Jack);
  std::string text, standard;
  for (const Result code : {kErrBadDeviceId, kErrAllocated, kErrDeviceGone, kErrInvalidHandle}) {
    ASSERT_EQ(service.OutGetErrorText(code, text), kOk) << code;
    ASSERT_TRUE(StandardResultText(code, standard));
    EXPECT_EQ(text, standard);
  }
  ASSERT_EQ(service.InGetErrorText(RtMidiService::kErrOpenFailed, text), kOk);
  EXPECT_FALSE(StandardResultText(RtMidiService::kErrOpenFailed, standard))
      << "the service's own code must not shadow a shared one";
  EXPECT_NE(service.OutGetErrorText(4321, text), kOk);
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

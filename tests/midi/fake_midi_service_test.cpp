// The fake stands in for the platform in every MIDI test and in the scenario
// runner, so the behaviour those rely on is pinned down here.
#include "testing/fake_midi_service.h"

#include <gtest/gtest.h>

#include <thread>

namespace lintra::midi {
namespace {

using Op = FakeMidiService::Op;

struct Recorded {
  std::thread::id thread;
  std::uint32_t message = 0;
  std::uintptr_t p1 = 0;
};
std::vector<Recorded> recorded;

void Record(DeviceHandle, std::uint32_t message, std::uintptr_t, std::uintptr_t p1, std::uintptr_t) {
  recorded.push_back({std::this_thread::get_id(), message, p1});
}

class FakeServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    recorded.clear();
    fake.SetInputDevices({"Keys"});
    fake.SetOutputDevices({"A very long synthesizer name beyond the limit"});
  }
  FakeMidiService fake;
};

TEST_F(FakeServiceTest, InputArrivesOnASecondThreadOnlyOnceStarted) {
  DeviceHandle handle = kNoHandle;
  ASSERT_EQ(fake.InOpen(handle, 0, &Record, 0), kOk);
  EXPECT_FALSE(fake.InjectShort(144, 60, 100));
  ASSERT_EQ(fake.InStart(handle), kOk);
  EXPECT_TRUE(fake.InjectShort(144, 60, 100));
  ASSERT_EQ(recorded.size(), 2u);
  EXPECT_EQ(recorded[0].message, MIM_OPEN);
  EXPECT_EQ(recorded[1].message, MIM_DATA);
  EXPECT_EQ(recorded[1].p1, 0x643C90u);
  EXPECT_NE(recorded[1].thread, std::this_thread::get_id());
}

TEST_F(FakeServiceTest, SysexNeedsAQueuedBufferAndResetReturnsThemAll) {
  DeviceHandle handle = kNoHandle;
  ASSERT_EQ(fake.InOpen(handle, 0, &Record, 0), kOk);
  ASSERT_EQ(fake.InStart(handle), kOk);
  EXPECT_FALSE(fake.InjectSysex({0xF0, 0xF7}));
  std::uint8_t bytes[2][4] = {};
  LongHeader headers[2];
  for (int i = 0; i < 2; ++i) {
    headers[i].data = bytes[i];
    headers[i].bufferLength = 4;
    EXPECT_EQ(fake.InAddBuffer(handle, &headers[i]), kErrUnprepared);
    ASSERT_EQ(fake.InPrepareHeader(handle, &headers[i]), kOk);
    ASSERT_EQ(fake.InAddBuffer(handle, &headers[i]), kOk);
  }
  EXPECT_EQ(fake.InUnprepareHeader(handle, &headers[0]), kErrStillPlaying);
  EXPECT_TRUE(fake.InjectSysex({0xF0, 1, 2, 3, 0xF7}));
  EXPECT_EQ(recorded.back().message, MIM_LONGERROR);
  EXPECT_EQ(headers[0].bytesRecorded, 4u);
  EXPECT_EQ(fake.InClose(handle), kErrStillPlaying);
  recorded.clear();
  ASSERT_EQ(fake.InReset(handle), kOk);
  ASSERT_EQ(recorded.size(), 1u);
  EXPECT_EQ(recorded[0].p1, reinterpret_cast<std::uintptr_t>(&headers[1]));
  EXPECT_EQ(headers[1].bytesRecorded, 0u);
  EXPECT_EQ(fake.InClose(handle), kOk);
}

TEST_F(FakeServiceTest, SendsAreRecordedAndFaultsApplyOnceOrAlways) {
  std::vector<std::uint32_t> observed;
  fake.OnSend = [&](const FakeMidiService::SentMessage& m) {
    observed.push_back(m.packed);
    EXPECT_EQ(fake.Sent().size(), observed.size());  // may look at the fake again
  };
  OutCaps caps;
  ASSERT_EQ(fake.OutGetDevCaps(0, caps), kOk);
  EXPECT_EQ(caps.productName.size(), 31u);
  ASSERT_EQ(fake.OutGetDevCaps(kMidiMapper, caps), kOk);
  EXPECT_EQ(caps.productName, "MIDI Mapper");
  EXPECT_EQ(fake.OutGetDevCaps(1, caps), kErrBadDeviceId);

  DeviceHandle handle = kNoHandle;
  ASSERT_EQ(fake.OutOpen(handle, kMidiMapper, nullptr, 0), kOk);
  fake.Fail(Op::OutShort, kErrNotReady, true);
  EXPECT_EQ(fake.OutShortMsg(handle, 1), kErrNotReady);
  EXPECT_EQ(fake.OutShortMsg(handle, 2), kOk);
  fake.Fail(Op::OutShort, kErrNotReady);
  EXPECT_EQ(fake.OutShortMsg(handle, 3), kErrNotReady);
  EXPECT_EQ(fake.OutShortMsg(handle, 4), kErrNotReady);
  fake.ClearFaults();
  EXPECT_EQ(fake.OutShortMsg(handle, 5), kOk);
  EXPECT_EQ(observed, (std::vector<std::uint32_t>{2, 5}));
  EXPECT_EQ(fake.Sent()[0].device, kMidiMapper);
  fake.ClearSent();
  EXPECT_TRUE(fake.Sent().empty());
  EXPECT_EQ(fake.Calls(Op::OutShort), 5u);
  EXPECT_EQ(fake.OutShortMsg(kNoHandle, 6), kErrInvalidHandle);
}

}  // namespace
}  // namespace lintra::midi

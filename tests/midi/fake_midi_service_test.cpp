// The fake stands in for the platform's ports in every MIDI test and in the
// scenario runner, so the behaviour those rely on is pinned down here.
#include "testing/fake_midi_service.h"

#include <gtest/gtest.h>

#include <thread>

namespace lintra::midi {
namespace {

using Op = FakeMidiService::Op;

struct Heard final : InputListener {
  void Received(std::span<const std::uint8_t> message) noexcept override {
    messages.emplace_back(message.begin(), message.end());
    thread = std::this_thread::get_id();
  }
  std::vector<std::vector<std::uint8_t>> messages;
  std::thread::id thread;
};

class FakeServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake.SetInputDevices({"Keys", "Pads"});
    fake.SetOutputDevices({"A very long synthesizer name beyond the limit"});
  }
  FakeMidiService fake;
};

TEST_F(FakeServiceTest, InputGoesToTheLatestInputStillThereOnASecondThread) {
  Heard keys, pads;
  std::unique_ptr<InputConnection> first, second;
  EXPECT_FALSE(fake.InjectShort(144, 60, 100));
  ASSERT_EQ(fake.OpenInput(0, keys, first), kOk);
  ASSERT_EQ(fake.OpenInput(1, pads, second), kOk);
  EXPECT_TRUE(fake.InjectShort(144, 60, 100));
  fake.SetInputDevices({"Keys"});  // the pads are unplugged
  EXPECT_TRUE(fake.InjectSysex({0xF0, 1, 0xF7}));
  EXPECT_EQ(pads.messages, (std::vector<std::vector<std::uint8_t>>{{144, 60, 100}}));
  EXPECT_EQ(keys.messages, (std::vector<std::vector<std::uint8_t>>{{0xF0, 1, 0xF7}}));
  EXPECT_NE(keys.thread, std::this_thread::get_id());
  EXPECT_EQ(second->Close(), kErrDeviceGone);
  EXPECT_EQ(first->Close(), kOk);
  EXPECT_FALSE(fake.HasOpenInput());
  EXPECT_FALSE(fake.InjectShort(144, 60, 100));
}

TEST_F(FakeServiceTest, SendsAreRecordedAndFaultsApplyOnceOrAlways) {
  std::vector<std::uint32_t> observed;
  fake.OnSend = [&](const FakeMidiService::SentMessage& m) {
    observed.push_back(m.packed);
    EXPECT_EQ(fake.Sent().size(), observed.size());  // may look at the fake again
  };
  OutCaps caps;
  ASSERT_EQ(fake.DescribeOutput(0, caps), kOk);
  EXPECT_EQ(caps.productName.size(), 31u);
  ASSERT_EQ(fake.DescribeOutput(kMidiMapper, caps), kOk);
  EXPECT_EQ(caps.productName, "MIDI Mapper");
  EXPECT_EQ(fake.DescribeOutput(1, caps), kErrBadDeviceId);

  std::unique_ptr<OutputConnection> out;
  ASSERT_EQ(fake.OpenOutput(kMidiMapper, out), kOk);
  fake.Fail(Op::OutShort, kErrNotReady, true);
  EXPECT_EQ(out->Send(Unpacked(1)), kErrNotReady);
  EXPECT_EQ(out->Send(Unpacked(2)), kOk);
  fake.Fail(Op::OutShort, kErrNotReady);
  EXPECT_EQ(out->Send(Unpacked(3)), kErrNotReady);
  EXPECT_EQ(out->Send(Unpacked(4)), kErrNotReady);
  fake.ClearFaults();
  EXPECT_EQ(out->Send(Unpacked(5)), kOk);
  EXPECT_EQ(observed, (std::vector<std::uint32_t>{2, 5}));
  EXPECT_EQ(fake.Sent()[0].device, kMidiMapper);
  fake.ClearSent();
  EXPECT_TRUE(fake.Sent().empty());
  EXPECT_EQ(fake.Calls(Op::OutShort), 5u);

  fake.Fail(Op::OutClose, kErrStillPlaying, true);
  EXPECT_EQ(out->Close(), kErrStillPlaying);
  EXPECT_TRUE(fake.HasOpenOutput());
  out.reset();  // destroyed: closed whatever the faults
  EXPECT_FALSE(fake.HasOpenOutput());
}

}  // namespace
}  // namespace lintra::midi

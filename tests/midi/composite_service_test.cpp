#include "midi/composite_service.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "midi/deferred_service.h"
#include "midi/message_loop.h"
#include "midi/midi_out.h"
#include "midi/null_synth_service.h"
#include "midi/synth_device_name.h"
#include "testing/fake_midi_service.h"

namespace lintra::midi {
namespace {

class CompositeTest : public ::testing::Test {
 protected:
  CompositeTest() {
    auto fake = std::make_unique<FakeMidiService>();
    fake->SetOutputDevices({"Port A", "Port B"});
    fake->SetInputDevices({"Keys"});
    platform = fake.get();
    composite = std::make_unique<CompositeMidiService>(std::move(fake), std::make_unique<NullSynthService>());
  }
  FakeMidiService* platform;
  std::unique_ptr<CompositeMidiService> composite;
};

TEST_F(CompositeTest, SynthesizerFollowsThePlatformOutputsAndIsTheMapper) {
  EXPECT_EQ(composite->OutputCount(), 3u);
  EXPECT_EQ(composite->InputCount(), 1u);
  const std::vector<std::pair<int, std::string>> expected = {
      {-1, "Built-in Synthesizer"}, {0, "Port A"}, {1, "Port B"}, {2, "Built-in Synthesizer"}};
  for (const auto& [id, name] : expected) {
    OutCaps caps;
    ASSERT_EQ(composite->DescribeOutput(id, caps), kOk) << id;
    EXPECT_EQ(caps.productName, name) << id;
  }
  OutCaps caps;
  EXPECT_EQ(composite->DescribeOutput(3, caps), kErrBadDeviceId);
  EXPECT_EQ(composite->DescribeOutput(-2, caps), kErrBadDeviceId);
  std::unique_ptr<OutputConnection> out;
  EXPECT_EQ(composite->OpenOutput(3, out), kErrBadDeviceId);
  EXPECT_EQ(out, nullptr);
  InCaps in;
  ASSERT_EQ(composite->DescribeInput(0, in), kOk);
  EXPECT_EQ(in.productName, "Keys");
}

TEST_F(CompositeTest, MessagesReachTheBackEndThatOwnsThePort) {
  std::unique_ptr<OutputConnection> portB, synth, mapper;
  ASSERT_EQ(composite->OpenOutput(1, portB), kOk);
  ASSERT_EQ(composite->OpenOutput(2, synth), kOk);
  ASSERT_EQ(composite->OpenOutput(kMidiMapper, mapper), kOk);
  EXPECT_EQ(synth->Send(NoteOn{60}), kOk);
  EXPECT_EQ(mapper->Send(NoteOn{61}), kOk);
  EXPECT_EQ(portB->Send(NoteOn{62}), kOk);
  const auto sent = platform->Sent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].device, 1);
  EXPECT_EQ(sent[0].packed, 0x7F3E90u);
  EXPECT_EQ(portB->Close(), kOk);
  EXPECT_FALSE(platform->HasOpenOutput());
}

TEST(CompositeEmptyPlatformTest, OutputListIsNeverEmpty) {
  CompositeMidiService composite(std::make_unique<FakeMidiService>(), std::make_unique<NullSynthService>());
  EXPECT_EQ(composite.OutputCount(), 1u);
  EXPECT_EQ(composite.InputCount(), 0u);

  // The output component finds the synthesizer by name; the mapper comes
  // first in its search, so the name selects device -1.
  MessageLoop loop;
  TMidiOutput output(composite, loop);
  EXPECT_EQ(output.DeviceCount(), 1);
  output.SetProductName("Built-in Synthesizer");
  EXPECT_EQ(output.DeviceID(), kMidiMapper);
  ASSERT_TRUE(output.OpenDevice());
  EXPECT_EQ(output.LastError(), kOk);
  output.SendShort(192, 113, 0);
  output.SendShort(144, 81, 127);
  EXPECT_TRUE(output.CloseDevice());
}

// The platform's ports are not touched before they are reached: counts answer none until then,
// and any other call reaches them at once.
TEST(DeferredMidiServiceTest, CountsNoPortsUntilReachedAndReachesOnAnyOtherCall) {
  int made = 0;
  auto factory = [&made] {
    ++made;
    auto fake = std::make_unique<FakeMidiService>();
    fake->SetInputDevices({"Keys"});
    fake->SetOutputDevices({"Out A", "Out B"});
    return fake;
  };
  DeferredMidiService waiting(factory);
  EXPECT_EQ(waiting.InputCount(), 0u);
  EXPECT_EQ(waiting.OutputCount(), 0u);
  EXPECT_EQ(made, 0);
  waiting.Reach();
  waiting.Reach();
  EXPECT_EQ(waiting.InputCount(), 1u);
  EXPECT_EQ(waiting.OutputCount(), 2u);
  EXPECT_EQ(made, 1);

  DeferredMidiService asked(factory);
  InCaps caps;
  ASSERT_EQ(asked.DescribeInput(0, caps), kOk);
  EXPECT_EQ(caps.productName, "Keys");
  EXPECT_EQ(asked.InputCount(), 1u);
  EXPECT_EQ(made, 2);
}

}  // namespace
}  // namespace lintra::midi

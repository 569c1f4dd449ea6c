#include "midi/composite_service.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "midi/deferred_service.h"
#include "midi/message_loop.h"
#include "midi/midi_out.h"
#include "midi/null_synth_service.h"
#include "midi/result_texts.h"
#include "midi/synth_device_name.h"
#include "testing/fake_midi_service.h"

namespace lintra::midi {
namespace {

struct Call {
  DeviceHandle handle;
  std::uint32_t message;
  std::uintptr_t p1;
};

void Record(DeviceHandle handle, std::uint32_t message, std::uintptr_t instance, std::uintptr_t p1, std::uintptr_t) {
  reinterpret_cast<std::vector<Call>*>(instance)->push_back({handle, message, p1});
}

std::uintptr_t Context(std::vector<Call>& calls) { return reinterpret_cast<std::uintptr_t>(&calls); }

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
  EXPECT_EQ(composite->OutGetNumDevs(), 3u);
  EXPECT_EQ(composite->InGetNumDevs(), 1u);
  const std::vector<std::pair<int, std::string>> expected = {
      {-1, "Built-in Synthesizer"}, {0, "Port A"}, {1, "Port B"}, {2, "Built-in Synthesizer"}};
  for (const auto& [id, name] : expected) {
    OutCaps caps;
    ASSERT_EQ(composite->OutGetDevCaps(id, caps), kOk) << id;
    EXPECT_EQ(caps.productName, name) << id;
  }
  OutCaps caps;
  EXPECT_EQ(composite->OutGetDevCaps(3, caps), kErrBadDeviceId);
  EXPECT_EQ(composite->OutGetDevCaps(-2, caps), kErrBadDeviceId);
  DeviceHandle handle = kNoHandle;
  EXPECT_EQ(composite->OutOpen(handle, 3, nullptr, 0), kErrBadDeviceId);
  EXPECT_EQ(composite->InOpen(handle, 1, nullptr, 0), kErrBadDeviceId);
  InCaps in;
  ASSERT_EQ(composite->InGetDevCaps(0, in), kOk);
  EXPECT_EQ(in.productName, "Keys");
}

// The fake and the null synthesizer both number their handles from 1: the
// composite's own handles must still reach the right device.
TEST_F(CompositeTest, MessagesReachTheServiceThatOwnsTheDevice) {
  DeviceHandle portB = kNoHandle, synth = kNoHandle, mapper = kNoHandle;
  ASSERT_EQ(composite->OutOpen(portB, 1, nullptr, 0), kOk);
  ASSERT_EQ(composite->OutOpen(synth, 2, nullptr, 0), kOk);
  ASSERT_EQ(composite->OutOpen(mapper, kMidiMapper, nullptr, 0), kOk);
  EXPECT_NE(portB, synth);
  EXPECT_NE(synth, mapper);

  EXPECT_EQ(composite->OutShortMsg(synth, 0x7F3C90), kOk);
  EXPECT_EQ(composite->OutShortMsg(mapper, 0x7F3D90), kOk);
  EXPECT_EQ(composite->OutShortMsg(portB, 0x7F3E90), kOk);
  const auto sent = platform->Sent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].device, 1);
  EXPECT_EQ(sent[0].packed, 0x7F3E90u);

  EXPECT_EQ(composite->OutClose(synth), kOk);
  EXPECT_EQ(composite->OutShortMsg(synth, 0x7F3C90), kErrInvalidHandle);
  EXPECT_EQ(composite->OutClose(synth), kErrInvalidHandle);
  EXPECT_EQ(composite->OutShortMsg(portB, 0x7F3C90), kOk);
  EXPECT_EQ(composite->OutClose(portB), kOk);
  EXPECT_EQ(composite->OutClose(mapper), kOk);
  EXPECT_FALSE(platform->HasOpenOutput());
  EXPECT_EQ(composite->InStart(portB), kErrInvalidHandle) << "an output handle is no input";
}

TEST_F(CompositeTest, CallbacksCarryTheCompositeHandleAndTheCallersContext) {
  std::vector<Call> calls;
  DeviceHandle synth = kNoHandle;
  ASSERT_EQ(composite->OutOpen(synth, kMidiMapper, &Record, Context(calls)), kOk);
  std::uint8_t bytes[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
  LongHeader header;
  header.data = bytes;
  header.bufferLength = sizeof bytes;
  EXPECT_EQ(composite->OutLongMsg(synth, &header), kErrUnprepared);
  ASSERT_EQ(composite->OutPrepareHeader(synth, &header), kOk);
  ASSERT_EQ(composite->OutLongMsg(synth, &header), kOk);
  ASSERT_EQ(composite->OutUnprepareHeader(synth, &header), kOk);
  ASSERT_EQ(composite->OutClose(synth), kOk);
  ASSERT_EQ(calls.size(), 3u);
  for (const auto& call : calls) EXPECT_EQ(call.handle, synth);
  EXPECT_EQ(calls[0].message, MOM_OPEN);
  EXPECT_EQ(calls[1].message, MOM_DONE);
  EXPECT_EQ(calls[1].p1, reinterpret_cast<std::uintptr_t>(&header));
  EXPECT_EQ(calls[2].message, MOM_CLOSE);

  calls.clear();
  DeviceHandle keys = kNoHandle;
  ASSERT_EQ(composite->InOpen(keys, 0, &Record, Context(calls)), kOk);
  ASSERT_EQ(composite->InStart(keys), kOk);
  ASSERT_TRUE(platform->InjectShort(0x90, 60, 100));
  ASSERT_EQ(composite->InReset(keys), kOk);
  ASSERT_EQ(composite->InClose(keys), kOk);
  ASSERT_GE(calls.size(), 2u);
  const auto data = std::find_if(calls.begin(), calls.end(), [](const Call& c) { return c.message == MIM_DATA; });
  ASSERT_NE(data, calls.end());
  EXPECT_EQ(data->handle, keys);
  EXPECT_EQ(data->p1, 0x643C90u);
}

TEST_F(CompositeTest, ErrorTextsComeFromTheServiceThatKnowsTheCode) {
  std::string text, standard;
  ASSERT_EQ(composite->OutGetErrorText(kErrDeviceGone, text), kOk);
  ASSERT_TRUE(StandardResultText(kErrDeviceGone, standard));
  EXPECT_EQ(text, standard);
  ASSERT_EQ(composite->InGetErrorText(kErrBadDeviceId, text), kOk);
  EXPECT_FALSE(text.empty());
  EXPECT_NE(composite->OutGetErrorText(4321, text), kOk);
}

TEST(CompositeEmptyPlatformTest, OutputListIsNeverEmpty) {
  CompositeMidiService composite(std::make_unique<FakeMidiService>(), std::make_unique<NullSynthService>());
  EXPECT_EQ(composite.OutGetNumDevs(), 1u);
  EXPECT_EQ(composite.InGetNumDevs(), 0u);

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
  EXPECT_EQ(waiting.InGetNumDevs(), 0u);
  EXPECT_EQ(waiting.OutGetNumDevs(), 0u);
  EXPECT_EQ(made, 0);
  waiting.Reach();
  waiting.Reach();
  EXPECT_EQ(waiting.InGetNumDevs(), 1u);
  EXPECT_EQ(waiting.OutGetNumDevs(), 2u);
  EXPECT_EQ(made, 1);

  DeferredMidiService asked(factory);
  InCaps caps;
  ASSERT_EQ(asked.InGetDevCaps(0, caps), kOk);
  EXPECT_EQ(caps.productName, "Keys");
  EXPECT_EQ(asked.InGetNumDevs(), 1u);
  EXPECT_EQ(made, 2);
}

}  // namespace
}  // namespace lintra::midi

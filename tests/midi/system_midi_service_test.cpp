#include "midi/system/system_midi_service.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "midi/synth/synth_service.h"
#include "midi/synth_device_name.h"

namespace lintra::midi {
namespace {

void ExpectSynthesizerLast(MidiService& service) {
  const unsigned count = service.OutputCount();
  ASSERT_GE(count, 1u);
  OutCaps caps;
  ASSERT_EQ(service.DescribeOutput(static_cast<int>(count) - 1, caps), kOk);
  EXPECT_EQ(caps.productName, kSynthDeviceName);
  ASSERT_EQ(service.DescribeOutput(kMidiMapper, caps), kOk);
  EXPECT_EQ(caps.productName, kSynthDeviceName);
}

TEST(SystemMidiServiceTest, EndsWithTheBuiltInSynthesizerAndReachesThePortsOnlyWhenAsked) {
  // A server name nobody runs: the JACK side (where ALSA is missing) finds no
  // ports instead of a developer's session.
  setenv("JACK_DEFAULT_SERVER", "lintra-test-no-server", 1);
  auto midi =
      MakeSystemMidiService(std::make_unique<SynthService>(), {"/nonexistent/lintra-ports.so", LINTRA_PORTS_MODULE});
  // Before the ports are reached the synthesizer is the only output.
  EXPECT_EQ(midi.service->OutputCount(), 1u);
  EXPECT_EQ(midi.service->InputCount(), 0u);
  midi.reach();
  const ModuleLoad load = midi.portsModule();
  EXPECT_EQ(load.path, LINTRA_PORTS_MODULE);
  EXPECT_EQ(load.problem, "");
  ExpectSynthesizerLast(*midi.service);
}

// Without its ports module the program still has its synthesizer, and says why it lists no ports.
TEST(SystemMidiServiceTest, WithoutThePortsModuleListsOnlyTheSynthesizer) {
  auto midi = MakeSystemMidiService(std::make_unique<SynthService>(), {"/nonexistent/lintra-ports.so"});
  midi.reach();
  const ModuleLoad load = midi.portsModule();
  EXPECT_EQ(load.path, "");
  EXPECT_NE(load.problem.find("there is no lintra-ports.so"), std::string::npos) << load.problem;
  EXPECT_EQ(midi.service->InputCount(), 0u);
  EXPECT_EQ(midi.service->OutputCount(), 1u);
  ExpectSynthesizerLast(*midi.service);
  InCaps caps;
  EXPECT_EQ(midi.service->DescribeInput(0, caps), kErrBadDeviceId);
}

}  // namespace
}  // namespace lintra::midi

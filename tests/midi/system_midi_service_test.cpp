#include "midi/system/system_midi_service.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "midi/result_texts.h"
#include "midi/synth/synth_service.h"
#include "midi/synth_device_name.h"

namespace lintra::midi {
namespace {

TEST(SystemMidiServiceTest, EndsWithTheBuiltInSynthesizer) {
  // A server name nobody runs: the JACK side (where ALSA is missing) finds no
  // ports instead of a developer's session.
  setenv("JACK_DEFAULT_SERVER", "lintra-test-no-server", 1);
  auto [service, reach] = MakeSystemMidiService(std::make_unique<SynthService>());
  // Before the ports are reached the synthesizer is the only output.
  EXPECT_EQ(service->OutGetNumDevs(), 1u);
  EXPECT_EQ(service->InGetNumDevs(), 0u);
  reach();
  const unsigned count = service->OutGetNumDevs();
  ASSERT_GE(count, 1u);
  OutCaps caps;
  ASSERT_EQ(service->OutGetDevCaps(static_cast<int>(count) - 1, caps), kOk);
  EXPECT_EQ(caps.productName, kSynthDeviceName);
  ASSERT_EQ(service->OutGetDevCaps(kMidiMapper, caps), kOk);
  EXPECT_EQ(caps.productName, kSynthDeviceName);
}

}  // namespace
}  // namespace lintra::midi

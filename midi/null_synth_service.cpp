#include "midi/null_synth_service.h"

#include "midi/synth_caps.h"

namespace lintra::midi {
namespace {

class Silent final : public OutputConnection {
 public:
  Result Send(ShortMessage) override { return kOk; }
  Result SendSysex(std::span<const std::uint8_t>) override { return kOk; }
  Result Close() override { return kOk; }
};

}  // namespace

Result NullSynthService::DescribeOutput(int port, OutCaps& caps) {
  if (port != 0 && port != kMidiMapper) return kErrBadDeviceId;
  caps = OutCaps{};
  caps.productName = kSynthDeviceName;
  caps.technology = kTechSoftwareSynth;
  caps.channelMask = 0xFFFF;
  return kOk;
}

Result NullSynthService::OpenOutput(int port, std::unique_ptr<OutputConnection>& connection) {
  if (port != 0 && port != kMidiMapper) return kErrBadDeviceId;
  connection = std::make_unique<Silent>();
  if (onFirstOpen_) std::exchange(onFirstOpen_, nullptr)();
  return kOk;
}

}  // namespace lintra::midi

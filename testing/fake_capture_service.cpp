#include "testing/fake_capture_service.h"

#include <algorithm>

namespace lintra::testing {

listen::CaptureStart FakeCaptureService::Start(const std::string& device, listen::CaptureSink& sink) {
  Stop();
  if (!refusal.empty()) return listen::Refused(refusal);
  const bool known = std::any_of(devices.begin(), devices.end(), [&device](const listen::CaptureDevice& d) {
    return device.empty() ? d.isDefault : d.name == device;
  });
  if (!known)
    return device.empty() ? listen::Refused("there is no sound input")
                          : listen::Refused("there is no sound input named \"%1\"", device);
  sink_ = &sink;
  started_ = device;
  return {true, {}, sampleRate, channels, 0.01, {}};
}

void FakeCaptureService::Deliver(const std::vector<float>& interleaved) {
  if (sink_) sink_->OnFrames(interleaved.data(), interleaved.size() / static_cast<std::size_t>(channels), channels);
}

void FakeCaptureService::Vanish() {
  if (sink_) sink_->OnVanished();
}

}  // namespace lintra::testing

// A scripted sound input: devices named by the test, a start that records
// the sink, and deliveries, vanishings and refusals on the test's command.
#pragma once

#include <string>
#include <vector>

#include "listen/capture_service.h"

namespace lintra::testing {

class FakeCaptureService final : public listen::CaptureService {
 public:
  std::vector<listen::CaptureDevice> devices{{"Built-in Microphone", true}, {"USB Audio", false}};
  double sampleRate = 48000;
  int channels = 2;
  std::string refusal;  // when set, Start fails with it

  std::vector<listen::CaptureDevice> Devices() override { return devices; }
  listen::CaptureStart Start(const std::string& device, listen::CaptureSink& sink) override;
  void Stop() override { sink_ = nullptr; }

  bool Running() const { return sink_ != nullptr; }
  const std::string& Started() const { return started_; }
  // Delivers interleaved frames to the running capture's sink, on the calling thread.
  void Deliver(const std::vector<float>& interleaved);
  void Vanish();

 private:
  listen::CaptureSink* sink_ = nullptr;
  std::string started_;
};

}  // namespace lintra::testing

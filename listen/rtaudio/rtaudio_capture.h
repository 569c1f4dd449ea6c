// Capture from the platform's sound system through RtAudio: on Linux
// PulseAudio (PipeWire's too) when its socket is there, else JACK when a
// server may be running, else ALSA; CoreAudio and WASAPI elsewhere. One or
// two channels of 32-bit float at the device's own rate (48 or 44.1 kHz
// where it offers them), in periods of 256 frames. RtAudio's callback
// thread hands each period straight to the sink.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "listen/capture_service.h"

class RtAudio;

namespace lintra::listen {

class RtAudioCapture final : public CaptureService {
 public:
  RtAudioCapture();
  ~RtAudioCapture() override;
  RtAudioCapture(const RtAudioCapture&) = delete;
  RtAudioCapture& operator=(const RtAudioCapture&) = delete;

  // "pulse", "jack", "alsa", ...; "none" when no sound system could be reached.
  std::string ApiName() const;

  std::vector<CaptureDevice> Devices() override;
  CaptureStart Start(const std::string& device, CaptureSink& sink) override;
  void Stop() override;

  // What RtAudio's callback thread reads; set while no stream runs.
  struct Target {
    CaptureSink* sink = nullptr;
    int channels = 0;
  };

 private:
  std::unique_ptr<RtAudio> audio_;
  Target target_;
};

}  // namespace lintra::listen

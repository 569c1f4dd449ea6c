// The seam under listening: a sound system's input devices, captured one at
// a time. The real one (rtaudio/) lives in a module the program loads when
// listening is first turned on; the tests use a scripted one.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace lintra::listen {

struct CaptureDevice {
  std::string name;  // what the device is remembered by
  bool isDefault = false;
};

// Receives what a started capture hears, on the capture's own thread: it
// must not allocate, lock or block there.
class CaptureSink {
 public:
  virtual ~CaptureSink() = default;
  // `frames` frames of `channels` interleaved samples, -1 to 1.
  virtual void OnFrames(const float* interleaved, std::size_t frames, int channels) noexcept = 0;
  // The device stopped delivering for good (unplugged, taken away).
  virtual void OnVanished() noexcept = 0;
};

struct CaptureStart {
  bool ok = false;
  // When not ok, why, in words for the user: a text marked for translation (context "Messages"),
  // where "%1" stands for `detail` (a device's name, the sound system's own words).
  std::string problem;
  double sampleRate = 0;
  int channels = 0;
  double latencySeconds = 0;  // from the sound reaching the device to the sink, as far as known
  std::string detail;
};

inline CaptureStart Refused(std::string problem, std::string detail = {}) {
  CaptureStart refused;
  refused.problem = std::move(problem);
  refused.detail = std::move(detail);
  return refused;
}

class CaptureService {
 public:
  virtual ~CaptureService() = default;

  virtual std::vector<CaptureDevice> Devices() = 0;
  // Starts capturing `device` (empty: the system's default input) into
  // `sink`, which must outlive the capture. One capture at a time: a second
  // Start stops the first.
  virtual CaptureStart Start(const std::string& device, CaptureSink& sink) = 0;
  // After Stop returns the sink is called no more.
  virtual void Stop() = 0;
};

}  // namespace lintra::listen

// The capture thread's side of listening: mixes each delivery down to mono
// into the sample ring, keeps the loudest sample for the level meter, counts
// the frames delivered (the stream's clock) and those the ring had no room
// for, and notes a vanished device. Everything it shares with the consumer
// is atomic; it never allocates, locks or blocks.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "listen/capture_service.h"
#include "listen/sample_ring.h"

namespace lintra::listen {

class CaptureBuffer final : public CaptureSink {
 public:
  explicit CaptureBuffer(std::size_t capacity) : ring_(capacity) {}

  void OnFrames(const float* interleaved, std::size_t frames, int channels) noexcept override;
  void OnVanished() noexcept override { vanished_.store(true, std::memory_order_release); }

  // Consumer side.
  SampleRing& Ring() { return ring_; }
  std::int64_t FramesDelivered() const { return delivered_.load(std::memory_order_acquire); }
  std::int64_t TakeLost() { return lost_.exchange(0, std::memory_order_acq_rel); }
  // The loudest sample since the last call, 0 to 1.
  float TakePeak() { return peak_.exchange(0.0f, std::memory_order_acq_rel); }
  bool Vanished() const { return vanished_.load(std::memory_order_acquire); }
  // Before a new capture starts (no capture running).
  void Reset();

 private:
  SampleRing ring_;
  std::array<float, 512> mono_{};  // the capture thread's own
  std::atomic<std::int64_t> delivered_{0};
  std::atomic<std::int64_t> lost_{0};
  std::atomic<float> peak_{0.0f};
  std::atomic<bool> vanished_{false};
};

}  // namespace lintra::listen

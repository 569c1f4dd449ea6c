#include "listen/capture_buffer.h"

#include <algorithm>
#include <cmath>

namespace lintra::listen {

void CaptureBuffer::OnFrames(const float* interleaved, std::size_t frames, int channels) noexcept {
  if (channels < 1) return;
  float loudest = 0;
  std::size_t lost = 0;
  for (std::size_t done = 0; done < frames;) {
    const std::size_t count = std::min(mono_.size(), frames - done);
    for (std::size_t i = 0; i < count; ++i) {
      const float* frame = interleaved + (done + i) * static_cast<std::size_t>(channels);
      float sum = 0;
      for (int c = 0; c < channels; ++c) {
        sum += frame[c];
        loudest = std::max(loudest, std::abs(frame[c]));
      }
      mono_[i] = sum / static_cast<float>(channels);
    }
    lost += count - ring_.Write(mono_.data(), count);
    done += count;
  }
  if (lost > 0) lost_.fetch_add(static_cast<std::int64_t>(lost), std::memory_order_acq_rel);
  float peak = peak_.load(std::memory_order_relaxed);
  while (loudest > peak && !peak_.compare_exchange_weak(peak, loudest, std::memory_order_acq_rel)) {
  }
  delivered_.fetch_add(static_cast<std::int64_t>(frames), std::memory_order_acq_rel);
}

void CaptureBuffer::Reset() {
  ring_.Clear();
  delivered_.store(0);
  lost_.store(0);
  peak_.store(0.0f);
  vanished_.store(false);
}

}  // namespace lintra::listen

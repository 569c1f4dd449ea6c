#include "listen/sample_ring.h"

#include <algorithm>
#include <bit>

namespace lintra::listen {

SampleRing::SampleRing(std::size_t capacity)
    : buffer_(std::make_unique<float[]>(std::bit_ceil(std::max<std::size_t>(capacity, 2)))),
      mask_(std::bit_ceil(std::max<std::size_t>(capacity, 2)) - 1) {}

std::size_t SampleRing::Write(const float* samples, std::size_t count) noexcept {
  const std::uint64_t written = written_.load(std::memory_order_relaxed);
  // Acquire: the consumer has finished reading the slots it gave back.
  const std::uint64_t free = Capacity() - (written - read_.load(std::memory_order_acquire));
  count = std::min<std::size_t>(count, free);
  for (std::size_t i = 0; i < count; ++i) buffer_[(written + i) & mask_] = samples[i];
  written_.store(written + count, std::memory_order_release);
  return count;
}

std::size_t SampleRing::Read(float* out, std::size_t max) noexcept {
  const std::uint64_t read = read_.load(std::memory_order_relaxed);
  const std::uint64_t available = written_.load(std::memory_order_acquire) - read;
  const std::size_t count = std::min<std::size_t>(max, available);
  for (std::size_t i = 0; i < count; ++i) out[i] = buffer_[(read + i) & mask_];
  read_.store(read + count, std::memory_order_release);
  return count;
}

void SampleRing::Clear() noexcept { read_.store(written_.load(std::memory_order_acquire), std::memory_order_release); }

}  // namespace lintra::listen

// A fixed ring of samples between one producer thread (the capture
// callback) and one consumer thread (the analysis). Each side owns its
// position and publishes it with release; neither ever waits for the other,
// and neither allocates after construction. What does not fit is counted as
// lost, never half written.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace lintra::listen {

class SampleRing {
 public:
  // Room for at least `capacity` samples (a power of two).
  explicit SampleRing(std::size_t capacity);

  std::size_t Capacity() const { return mask_ + 1; }

  // Producer: copies what fits of `samples`, returns how many.
  std::size_t Write(const float* samples, std::size_t count) noexcept;
  // Consumer: moves up to `max` of the oldest samples to `out`, returns how many.
  std::size_t Read(float* out, std::size_t max) noexcept;
  // Consumer: drops everything written so far.
  void Clear() noexcept;

 private:
  std::unique_ptr<float[]> buffer_;
  std::size_t mask_;
  alignas(64) std::atomic<std::uint64_t> written_{0};  // producer's
  alignas(64) std::atomic<std::uint64_t> read_{0};     // consumer's
};

}  // namespace lintra::listen

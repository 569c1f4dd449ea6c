// The input ring: a fixed-capacity single-producer single-consumer queue
// between the device callback thread (the only writer) and the
// user-interface thread (the only reader).
//
// The write position belongs to the producer, the read position to the
// consumer; the only field both touch is the entry count, which is changed
// with atomic read-modify-write operations.  The producer publishes an entry
// by raising the count after the entry's bytes are written (release), and the
// consumer frees a slot by lowering it after it has copied the entry out, so
// neither side ever sees a half-written slot.  RingPut allocates nothing and
// never blocks.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "midi/long_header.h"

namespace lintra::midi {

// The ring's storage was sized with a 16-bit byte count at 12 bytes an entry.
inline constexpr std::uint16_t kMaxRingCapacity = 5461;

struct RingEntry {
  std::uint32_t Timestamp = 0;
  std::uint32_t ShortData = 0;                       // packed short message; 0 for a long one
  ::lintra::midi::LongHeader* LongHeader = nullptr;  // filled long buffer; null for a short one
};

struct EventRing {
  std::unique_ptr<RingEntry[]> storage;
  RingEntry* start = nullptr;
  RingEntry* end = nullptr;
  RingEntry* write = nullptr;  // producer only
  RingEntry* read = nullptr;   // consumer only
  std::uint16_t capacity = 0;
  std::atomic<std::uint16_t> count{0};
};

// Null when the capacity is 0 or memory is short.  Capacities above
// kMaxRingCapacity are clamped.
EventRing* RingCreate(std::uint16_t capacity) noexcept;
void RingFree(EventRing* ring) noexcept;

// Producer: false when the ring is full (the entry is not stored).
bool RingPut(EventRing& ring, const RingEntry& entry) noexcept;
// Consumer: copies the oldest entry out without removing it.
bool RingPeek(const EventRing& ring, RingEntry& out) noexcept;
// Consumer: removes the oldest entry.
bool RingDrop(EventRing& ring) noexcept;

inline std::uint16_t RingCount(const EventRing& ring) noexcept { return ring.count.load(std::memory_order_acquire); }

}  // namespace lintra::midi

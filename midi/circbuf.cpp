#include "midi/circbuf.h"

#include <algorithm>
#include <new>

namespace lintra::midi {

EventRing* RingCreate(std::uint16_t capacity) noexcept {
  capacity = std::min(capacity, kMaxRingCapacity);
  if (capacity == 0) return nullptr;
  auto* ring = new (std::nothrow) EventRing;
  if (!ring) return nullptr;
  ring->storage.reset(new (std::nothrow) RingEntry[capacity]());
  if (!ring->storage) {
    delete ring;
    return nullptr;
  }
  ring->start = ring->write = ring->read = ring->storage.get();
  ring->end = ring->start + capacity;
  ring->capacity = capacity;
  return ring;
}

void RingFree(EventRing* ring) noexcept { delete ring; }

bool RingPut(EventRing& ring, const RingEntry& entry) noexcept {
  // Acquire pairs with the consumer's release in RingDrop: the slot we are
  // about to overwrite has been copied out.
  if (ring.count.load(std::memory_order_acquire) >= ring.capacity) return false;
  *ring.write = entry;
  if (++ring.write == ring.end) ring.write = ring.start;
  ring.count.fetch_add(1, std::memory_order_acq_rel);
  return true;
}

bool RingPeek(const EventRing& ring, RingEntry& out) noexcept {
  if (ring.count.load(std::memory_order_acquire) == 0) return false;
  out = *ring.read;
  return true;
}

bool RingDrop(EventRing& ring) noexcept {
  if (ring.count.load(std::memory_order_acquire) == 0) return false;
  if (++ring.read == ring.end) ring.read = ring.start;
  ring.count.fetch_sub(1, std::memory_order_acq_rel);
  return true;
}

}  // namespace lintra::midi

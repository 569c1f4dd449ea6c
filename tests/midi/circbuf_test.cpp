#include "midi/circbuf.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <thread>

namespace lintra::midi {
namespace {

struct RingDeleter {
  void operator()(EventRing* ring) const { RingFree(ring); }
};
using RingPtr = std::unique_ptr<EventRing, RingDeleter>;

RingEntry Entry(std::uint32_t n) { return RingEntry{n * 3, n, nullptr}; }

TEST(EventRing, CapacityZeroGivesNoRingAndLargeCapacitiesAreClamped) {
  EXPECT_EQ(RingCreate(0), nullptr);
  RingPtr ring(RingCreate(65535));
  ASSERT_NE(ring, nullptr);
  EXPECT_EQ(ring->capacity, kMaxRingCapacity);
}

TEST(EventRing, OverflowsExactlyAtCapacityAndResumesAfterOneDrop) {
  constexpr std::uint16_t kCapacity = 1024;
  RingPtr ring(RingCreate(kCapacity));
  RingEntry out;
  EXPECT_FALSE(RingPeek(*ring, out));
  EXPECT_FALSE(RingDrop(*ring));
  for (std::uint32_t i = 0; i < kCapacity; ++i) ASSERT_TRUE(RingPut(*ring, Entry(i))) << i;
  EXPECT_FALSE(RingPut(*ring, Entry(9999)));
  EXPECT_EQ(RingCount(*ring), kCapacity);

  ASSERT_TRUE(RingPeek(*ring, out));
  ASSERT_TRUE(RingPeek(*ring, out));  // peeking removes nothing
  EXPECT_EQ(out.ShortData, 0u);
  ASSERT_TRUE(RingDrop(*ring));
  EXPECT_TRUE(RingPut(*ring, Entry(kCapacity)));
  EXPECT_FALSE(RingPut(*ring, Entry(9999)));

  // The entry stored after the overflow comes last, after the wrap.
  for (std::uint32_t i = 1; i <= kCapacity; ++i) {
    ASSERT_TRUE(RingPeek(*ring, out));
    EXPECT_EQ(out.ShortData, i);
    EXPECT_EQ(out.Timestamp, i * 3);
    ASSERT_TRUE(RingDrop(*ring));
  }
  EXPECT_FALSE(RingPeek(*ring, out));
}

// One producer thread and one consumer thread through a small ring, so that
// both wrap around and meet at full and empty many thousand times.
TEST(EventRing, TwoThreadsMoveAMillionEntriesWithoutLossOrReordering) {
  constexpr std::uint32_t kTotal = 1'000'000;
  RingPtr ring(RingCreate(64));
  std::uint64_t refused = 0;
  std::thread producer([&] {
    for (std::uint32_t i = 0; i < kTotal;) {
      if (RingPut(*ring, Entry(i))) {
        ++i;
      } else {
        ++refused;
        std::this_thread::yield();
      }
    }
  });
  std::uint32_t expected = 0;
  std::uint32_t mismatches = 0;
  RingEntry out;
  while (expected < kTotal) {
    if (!RingPeek(*ring, out)) {
      std::this_thread::yield();
      continue;
    }
    if (out.ShortData != expected || out.Timestamp != expected * 3) ++mismatches;
    ASSERT_TRUE(RingDrop(*ring));
    ++expected;
  }
  producer.join();
  EXPECT_EQ(mismatches, 0u);
  EXPECT_EQ(RingCount(*ring), 0);
  EXPECT_FALSE(RingPeek(*ring, out));
  RecordProperty("refused_puts", static_cast<int>(refused));
}

}  // namespace
}  // namespace lintra::midi

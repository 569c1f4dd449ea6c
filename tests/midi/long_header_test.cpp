#include "midi/long_header.h"

#include <gtest/gtest.h>

namespace lintra::midi {
namespace {

// One header through an input device's whole life, with every misuse refused
// at the step where it happens.
TEST(LongHeaderRules, InputCycleAndItsRefusals) {
  std::uint8_t bytes[4] = {};
  LongHeader header;
  EXPECT_EQ(PrepareHeader(&header), kErrInvalParam);  // no buffer
  EXPECT_EQ(PrepareHeader(nullptr), kErrInvalParam);
  header.data = bytes;
  header.bufferLength = sizeof bytes;
  EXPECT_EQ(QueueHeader(&header), kErrUnprepared);
  header.flags = kHdrDone;
  ASSERT_EQ(PrepareHeader(&header), kOk);
  EXPECT_EQ(header.flags, kHdrPrepared);  // a prepared header is not done yet

  header.bytesRecorded = 3;
  ASSERT_EQ(QueueHeader(&header), kOk);
  EXPECT_EQ(header.bytesRecorded, 0u);
  EXPECT_EQ(QueueHeader(&header), kErrStillPlaying);
  EXPECT_EQ(UnprepareHeader(&header), kErrStillPlaying);

  MarkDone(&header);
  EXPECT_EQ(header.flags, kHdrPrepared | kHdrDone);
  ASSERT_EQ(UnprepareHeader(&header), kOk);
  EXPECT_EQ(header.flags, kHdrDone);
  EXPECT_EQ(UnprepareHeader(nullptr), kErrInvalParam);
}

TEST(LongHeaderRules, PlayingWantsAPreparedBufferAndUnqueueGivesItBack) {
  std::uint8_t bytes[2] = {0xF0, 0xF7};
  LongHeader header;
  EXPECT_EQ(CheckPlayable(nullptr), kErrInvalParam);
  EXPECT_EQ(CheckPlayable(&header), kErrInvalParam);
  header.data = bytes;
  header.bufferLength = sizeof bytes;
  EXPECT_EQ(CheckPlayable(&header), kErrUnprepared);
  ASSERT_EQ(PrepareHeader(&header), kOk);
  EXPECT_EQ(CheckPlayable(&header), kOk);

  ASSERT_EQ(QueueHeader(&header), kOk);
  UnqueueHeader(&header);
  EXPECT_EQ(header.flags, kHdrPrepared);
  EXPECT_EQ(QueueHeader(&header), kOk);  // the caller's again, so it can go back
}

}  // namespace
}  // namespace lintra::midi

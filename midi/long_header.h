// Long (system-exclusive) message buffers and the rules the device calls keep
// for them: a header is prepared before use, queued while a device holds it
// (input) and marked done when it comes back, and cannot be unprepared while
// queued.  The device calls check their handle first, then leave the header
// to these rules, so that all of them answer a misused header alike.
#pragma once

#include <cstdint>

#include "midi/device_types.h"

namespace lintra::midi {

// Header of a long (system-exclusive) message buffer.
struct LongHeader {
  std::uint8_t* data = nullptr;     // buffer
  std::uint32_t bufferLength = 0;   // size of the buffer
  std::uint32_t bytesRecorded = 0;  // bytes filled in (input)
  std::uintptr_t user = 0;          // owner's reference
  std::uint32_t flags = 0;          // kHdr* below, kept by the device calls
};
enum : std::uint32_t { kHdrDone = 1, kHdrPrepared = 2, kHdrInQueue = 4 };

// Prepare: the header must carry a buffer; it is prepared and not yet done.
Result PrepareHeader(LongHeader* header);
// Before playing a header (output): it must carry a buffer and be prepared.
Result CheckPlayable(const LongHeader* header);
// Hand a header to an input device: it must carry a buffer, be prepared and
// not be queued already; it is then queued, empty and not done.
Result QueueHeader(LongHeader* header);
// The device could not take a header just queued: it is the caller's again.
void UnqueueHeader(LongHeader* header) noexcept;
// The device gives a header back (played, filled or returned by a reset).
void MarkDone(LongHeader* header) noexcept;
// Unprepare: refused while the header is queued.
Result UnprepareHeader(LongHeader* header);

}  // namespace lintra::midi

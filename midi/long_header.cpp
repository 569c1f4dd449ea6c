#include "midi/long_header.h"

namespace lintra::midi {

Result PrepareHeader(LongHeader* header) {
  if (!header || !header->data) return kErrInvalParam;
  header->flags = (header->flags | kHdrPrepared) & ~kHdrDone;
  return kOk;
}

Result CheckPlayable(const LongHeader* header) {
  if (!header || !header->data) return kErrInvalParam;
  if (!(header->flags & kHdrPrepared)) return kErrUnprepared;
  return kOk;
}

Result QueueHeader(LongHeader* header) {
  if (!header || !header->data) return kErrInvalParam;
  if (!(header->flags & kHdrPrepared)) return kErrUnprepared;
  if (header->flags & kHdrInQueue) return kErrStillPlaying;
  header->bytesRecorded = 0;
  header->flags = (header->flags | kHdrInQueue) & ~kHdrDone;
  return kOk;
}

void UnqueueHeader(LongHeader* header) noexcept { header->flags &= ~kHdrInQueue; }

void MarkDone(LongHeader* header) noexcept { header->flags = (header->flags & ~kHdrInQueue) | kHdrDone; }

Result UnprepareHeader(LongHeader* header) {
  if (!header) return kErrInvalParam;
  if (header->flags & kHdrInQueue) return kErrStillPlaying;
  header->flags &= ~kHdrPrepared;
  return kOk;
}

}  // namespace lintra::midi

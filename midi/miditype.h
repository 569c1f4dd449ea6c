// The two small objects that both MIDI components share: one received event,
// and the owner of one long-message buffer handed to a device.
#pragma once

#include <cstdint>
#include <memory>

#include "midi/long_header.h"

namespace lintra::midi {

// One MIDI event as the input component delivers it and as the output
// component's SendEvent accepts it.  A system-exclusive event has StatusByte
// 240 and owns a copy of its bytes.
struct TMyMidiEvent {
  std::uint8_t StatusByte = 0;
  std::uint8_t FirstData = 0;
  std::uint8_t SecondData = 0;
  std::uint32_t Timestamp = 0;  // ms since the input was started
  std::uint16_t SysexSize = 0;  // 0 for a short event
  std::unique_ptr<std::uint8_t[]> SysexBytes;
};

// Owns a LongHeader and the zero-filled buffer it describes.  Both live at a
// fixed address until the object is destroyed, because a device holds the
// header while it is queued or playing.  The header's user field points back
// here, so whoever gets the header back from a device finds its owner.
class TMyMidiHdr {
 public:
  // Size 0 allocates nothing: Header() is then null.
  explicit TMyMidiHdr(std::uint16_t size);
  TMyMidiHdr(const TMyMidiHdr&) = delete;
  TMyMidiHdr& operator=(const TMyMidiHdr&) = delete;

  LongHeader* Header() noexcept { return header_.get(); }
  std::uint8_t* Buffer() noexcept { return buffer_.get(); }
  std::uint16_t Size() const noexcept { return size_; }

  // The owner recorded in a header made by this class (null for null).
  static TMyMidiHdr* OwnerOf(const LongHeader* header) noexcept;

 private:
  std::unique_ptr<LongHeader> header_;
  std::unique_ptr<std::uint8_t[]> buffer_;
  std::uint16_t size_ = 0;
};

}  // namespace lintra::midi

#include "midi/miditype.h"

namespace lintra::midi {

TMyMidiHdr::TMyMidiHdr(std::uint16_t size) : size_(size) {
  if (size == 0) return;
  header_ = std::make_unique<LongHeader>();
  buffer_ = std::make_unique<std::uint8_t[]>(size);  // value-initialised: zero-filled
  header_->data = buffer_.get();
  header_->bufferLength = size;
  header_->user = reinterpret_cast<std::uintptr_t>(this);
}

TMyMidiHdr* TMyMidiHdr::OwnerOf(const LongHeader* header) noexcept {
  return header ? reinterpret_cast<TMyMidiHdr*>(header->user) : nullptr;
}

}  // namespace lintra::midi

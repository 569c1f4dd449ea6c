#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "midi/midi_output_service.h"

namespace lintra::midi {

// A synthesizer device that takes every message and sounds nothing: for the
// scenario runner and tests, which must not depend on audio or a soundfont,
// and for a program without its synthesizer module, which then tells the
// user why it is silent when the device is first opened (`onFirstOpen`).
class NullSynthService final : public MidiOutputService {
 public:
  explicit NullSynthService(std::function<void()> onFirstOpen = {}) : onFirstOpen_(std::move(onFirstOpen)) {}

  unsigned OutGetNumDevs() override { return 1; }
  Result OutGetDevCaps(int id, OutCaps& caps) override;
  Result OutOpen(DeviceHandle& handle, int id, Callback callback, std::uintptr_t instance) override;
  Result OutClose(DeviceHandle handle) override;
  Result OutShortMsg(DeviceHandle handle, std::uint32_t packed) override;
  Result OutPrepareHeader(DeviceHandle handle, LongHeader* header) override;
  Result OutLongMsg(DeviceHandle handle, LongHeader* header) override;
  Result OutUnprepareHeader(DeviceHandle handle, LongHeader* header) override;
  Result OutGetErrorText(Result code, std::string& text) override;

 private:
  struct Open {
    Callback callback = nullptr;
    std::uintptr_t instance = 0;
  };
  bool Valid(DeviceHandle handle) const;
  std::function<void()> onFirstOpen_;
  static constexpr int kSlots = 8;  // handles 1..kSlots
  Open opens_[kSlots];
  bool used_[kSlots] = {};
};

}  // namespace lintra::midi

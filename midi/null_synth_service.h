#pragma once

#include <cstdint>
#include <string>

#include "midi/midi_service.h"

namespace lintra::midi {

// A synthesizer device that takes every message and sounds nothing: for the
// scenario runner and tests, which must not depend on audio or a soundfont.
class NullSynthService final : public MidiService {
 public:
  unsigned OutGetNumDevs() override { return 1; }
  Result OutGetDevCaps(int id, OutCaps& caps) override;
  Result OutOpen(DeviceHandle& handle, int id, Callback callback,
                 std::uintptr_t instance) override;
  Result OutClose(DeviceHandle handle) override;
  Result OutShortMsg(DeviceHandle handle, std::uint32_t packed) override;
  Result OutPrepareHeader(DeviceHandle handle, LongHeader* header) override;
  Result OutLongMsg(DeviceHandle handle, LongHeader* header) override;
  Result OutUnprepareHeader(DeviceHandle handle, LongHeader* header) override;
  Result OutGetErrorText(Result code, std::string& text) override;

  unsigned InGetNumDevs() override { return 0; }
  Result InGetDevCaps(unsigned, InCaps&) override { return kErrBadDeviceId; }
  Result InOpen(DeviceHandle&, unsigned, Callback, std::uintptr_t) override {
    return kErrBadDeviceId;
  }
  Result InStart(DeviceHandle) override { return kErrInvalidHandle; }
  Result InReset(DeviceHandle) override { return kErrInvalidHandle; }
  Result InClose(DeviceHandle) override { return kErrInvalidHandle; }
  Result InPrepareHeader(DeviceHandle, LongHeader*) override { return kErrInvalidHandle; }
  Result InAddBuffer(DeviceHandle, LongHeader*) override { return kErrInvalidHandle; }
  Result InUnprepareHeader(DeviceHandle, LongHeader*) override { return kErrInvalidHandle; }
  Result InGetErrorText(Result code, std::string& text) override;

 private:
  struct Open {
    Callback callback = nullptr;
    std::uintptr_t instance = 0;
  };
  bool Valid(DeviceHandle handle) const;
  static constexpr int kSlots = 8;  // handles 1..kSlots
  Open opens_[kSlots];
  bool used_[kSlots] = {};
};

}  // namespace lintra::midi

#include "midi/null_synth_service.h"

#include <utility>

#include "midi/result_texts.h"
#include "midi/synth_device_name.h"

namespace lintra::midi {

bool NullSynthService::Valid(DeviceHandle handle) const {
  return handle >= 1 && handle <= static_cast<DeviceHandle>(kSlots) && used_[handle - 1];
}

Result NullSynthService::OutGetDevCaps(int id, OutCaps& caps) {
  if (id != 0 && id != kMidiMapper) return kErrBadDeviceId;
  caps = OutCaps{};
  caps.productName = kSynthDeviceName;
  caps.technology = 7;  // a software synthesizer
  caps.channelMask = 0xFFFF;
  return kOk;
}

Result NullSynthService::OutOpen(DeviceHandle& handle, int id, Callback callback, std::uintptr_t instance) {
  handle = kNoHandle;
  if (id != 0 && id != kMidiMapper) return kErrBadDeviceId;
  for (int i = 0; i < kSlots; ++i)
    if (!used_[i]) {
      used_[i] = true;
      opens_[i] = {callback, instance};
      handle = static_cast<DeviceHandle>(i + 1);
      if (callback) callback(handle, MOM_OPEN, instance, 0, 0);
      if (onFirstOpen_) std::exchange(onFirstOpen_, nullptr)();
      return kOk;
    }
  return kErrAllocated;
}

Result NullSynthService::OutClose(DeviceHandle handle) {
  if (!Valid(handle)) return kErrInvalidHandle;
  const Open open = opens_[handle - 1];
  used_[handle - 1] = false;
  opens_[handle - 1] = {};
  if (open.callback) open.callback(handle, MOM_CLOSE, open.instance, 0, 0);
  return kOk;
}

Result NullSynthService::OutShortMsg(DeviceHandle handle, std::uint32_t) {
  return Valid(handle) ? kOk : Result{kErrInvalidHandle};
}

Result NullSynthService::OutPrepareHeader(DeviceHandle handle, LongHeader* header) {
  if (!Valid(handle)) return kErrInvalidHandle;
  return PrepareHeader(header);
}

Result NullSynthService::OutLongMsg(DeviceHandle handle, LongHeader* header) {
  if (!Valid(handle)) return kErrInvalidHandle;
  if (const Result playable = CheckPlayable(header); playable != kOk) return playable;
  MarkDone(header);
  const Open& open = opens_[handle - 1];
  if (open.callback) open.callback(handle, MOM_DONE, open.instance, reinterpret_cast<std::uintptr_t>(header), 0);
  return kOk;
}

Result NullSynthService::OutUnprepareHeader(DeviceHandle handle, LongHeader* header) {
  if (!Valid(handle)) return kErrInvalidHandle;
  return UnprepareHeader(header);
}

Result NullSynthService::OutGetErrorText(Result code, std::string& text) {
  return StandardResultText(code, text) ? kOk : Result{kErrInvalParam};
}

}  // namespace lintra::midi

// The devices an adapter has open, each known to the device calls by a
// handle of its own.  Handles count up and are never given out twice, so a
// handle kept after its device closed names nothing rather than a newer one.
// User-interface thread only.
#pragma once

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "midi/device_types.h"

namespace lintra::midi {

template <typename Device>
class DeviceTable {
 public:
  // The handle of a device about to open; a handle not added is never given out again.
  DeviceHandle NewHandle() { return next_++; }
  void Add(DeviceHandle handle, std::unique_ptr<Device> device) { entries_.push_back({handle, std::move(device)}); }
  Device* Find(DeviceHandle handle) const {
    const auto it =
        std::find_if(entries_.begin(), entries_.end(), [handle](const Entry& e) { return e.handle == handle; });
    return it == entries_.end() ? nullptr : it->device.get();
  }
  void Remove(DeviceHandle handle) {
    std::erase_if(entries_, [handle](const Entry& e) { return e.handle == handle; });
  }
  template <typename F>
  void ForEach(F&& f) const {
    for (const auto& entry : entries_) f(*entry.device);
  }
  void Clear() { entries_.clear(); }

 private:
  struct Entry {
    DeviceHandle handle;
    std::unique_ptr<Device> device;
  };
  std::vector<Entry> entries_;
  DeviceHandle next_ = 1;
};

}  // namespace lintra::midi

#include "midi/device_callback.h"

#include "midi/circbuf.h"
#include "midi/message_bytes.h"

namespace lintra::midi {

void DeviceCallback(DeviceHandle, std::uint32_t message, std::uintptr_t instance, std::uintptr_t p1,
                    std::uintptr_t p2) noexcept {
  auto* link = reinterpret_cast<DeviceLink*>(instance);
  if (!link) return;
  switch (message) {
    case MIM_DATA:
    case MIM_LONGDATA:
    case MIM_LONGERROR: {
      if (p1 == std::uintptr_t{kActiveSensing} || p1 == std::uintptr_t{kTimingClock}) return;
      if (message == MIM_DATA && link->SysexOnly.load(std::memory_order_relaxed)) return;
      EventRing* ring = link->Ring.load(std::memory_order_acquire);
      if (!ring) return;
      RingEntry entry;
      entry.Timestamp = static_cast<std::uint32_t>(p2);
      if (message == MIM_DATA)
        entry.ShortData = static_cast<std::uint32_t>(p1);
      else
        entry.LongHeader = reinterpret_cast<LongHeader*>(p1);
      // An entry that does not fit is lost; a long buffer lost this way stays
      // away from the device until it is closed.
      const bool stored = RingPut(*ring, entry);
      MessageWindow* window = link->Window.load(std::memory_order_acquire);
      if (window && window->Post(stored ? kNotifyInput : kNotifyOverflow, 0, 0)) return;
      (stored ? link->MissedInput : link->MissedOverflow).fetch_add(1, std::memory_order_release);
      // The queue was full, or the consumer emptied it just now: one more
      // notice makes sure the missed one is made up for either way.
      if (window) window->Post(kNotifyCatchUp, 0, 0);
      return;
    }
    case MOM_DONE:
      if (MessageWindow* window = link->Window.load(std::memory_order_acquire)) window->Post(kNotifyOutputDone, 0, p1);
      return;
    default:
      return;
  }
}

}  // namespace lintra::midi

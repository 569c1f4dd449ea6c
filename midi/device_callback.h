// What both MIDI components share with the ports' threads: the context
// value they hand over at open, the callback routine that reads it and the
// notifications that routine posts to the component's window.
#pragma once

#include <atomic>
#include <cstdint>

#include "midi/device_types.h"
#include "midi/message_loop.h"

namespace lintra::midi {

struct EventRing;

// Notification codes posted to a component's window by DeviceCallback.
inline constexpr std::uint32_t kNotifyInput = MIM_DATA;       // an entry was stored
inline constexpr std::uint32_t kNotifyOutputDone = MOM_DONE;  // a long message was played
inline constexpr std::uint32_t kNotifyOverflow = 1024;        // the input ring was full
inline constexpr std::uint32_t kNotifyCatchUp = 1025;         // notifications were missed

// The context value a component hands to the device calls at open;
// DeviceCallback reads it on the port's thread while the user-interface
// thread may change SysexOnly at any time, hence the atomics.  The output
// uses only Window.
struct DeviceLink {
  std::atomic<EventRing*> Ring{nullptr};
  std::atomic<MessageWindow*> Window{nullptr};
  std::atomic<bool> SysexOnly{false};
  // Notifications the callback could not post because the window's queue was
  // full; the user-interface thread makes up for them at its next notification,
  // so that no stored entry waits and no lost entry goes unreported.
  std::atomic<std::uint32_t> MissedInput{0};
  std::atomic<std::uint32_t> MissedOverflow{0};
};

// The one callback routine both components give the device calls; `instance`
// is the component's DeviceLink.  Runs on the port's thread: it reads the
// link, writes at most one ring entry and posts; no allocation, no lock.
void DeviceCallback(DeviceHandle handle, std::uint32_t message, std::uintptr_t instance, std::uintptr_t p1,
                    std::uintptr_t p2) noexcept;

}  // namespace lintra::midi

// The vocabulary of the MIDI back ends and of the device calls over them:
// result codes, device handles, the callback routine and its message codes,
// and the capability records.
//
// The components were laid out over a device API in the style of the classic
// multimedia MIDI calls: devices by number, a capability record per device,
// open with a callback routine and a context value, packed short messages and
// a result code for every call (0 = success) with a text for each code.
#pragma once

#include <cstdint>
#include <string>

namespace lintra::midi {

using Result = std::uint16_t;
inline constexpr Result kOk = 0;

// Result codes shared by all back ends (numbered as the classic API numbers
// them, so that texts and tests read the same everywhere; result_texts.h has
// their texts).  Codes of our own start at 100.
enum : Result {
  kErrUnspecified = 1,  // "An unspecified error occurred."
  kErrBadDeviceId = 2,  // device number out of range
  kErrNotEnabled = 3,
  kErrAllocated = 4,  // device already in use
  kErrInvalidHandle = 5,
  kErrNoDriver = 6,
  kErrNoMem = 7,
  kErrNotSupported = 8,
  kErrInvalParam = 11,
  kErrUnprepared = 64,  // header not prepared
  kErrStillPlaying = 65,
  kErrNotReady = 67,
  kErrDeviceGone = 100,  // the device disappeared while open
  kErrOpenFailed = 101,  // the MIDI system refused the open (port busy, refused)
};

using DeviceHandle = std::uintptr_t;  // 0 = none
inline constexpr DeviceHandle kNoHandle = 0;

// Message codes handed to the callback.
enum : std::uint32_t {
  MIM_OPEN = 961,
  MIM_CLOSE = 962,
  MIM_DATA = 963,
  MIM_LONGDATA = 964,
  MIM_ERROR = 965,
  MIM_LONGERROR = 966,
  MOM_OPEN = 967,
  MOM_CLOSE = 968,
  MOM_DONE = 969,
};

// Callback routine of the device calls: runs on an input port's own thread
// (or, for an output, on the caller's).  `instance` is the context value given at open.
// For MIM_DATA p1 is the packed short message and p2 the time stamp in ms;
// for MIM_LONGDATA / MIM_LONGERROR / MOM_DONE p1 is the LongHeader*.
using Callback = void (*)(DeviceHandle handle, std::uint32_t message, std::uintptr_t instance, std::uintptr_t p1,
                          std::uintptr_t p2);

// How often a port has come since its back end began to look: a port that went away and came back
// under the same name, perhaps too briefly for a look at the list to miss it, has a higher number.
// A connection opened before is dead then. 0 where the back end cannot tell.
using PortGeneration = std::uint32_t;

struct OutCaps {
  std::string productName;  // at most 31 characters
  PortGeneration generation = 0;
  std::uint32_t driverVersion = 0;
  std::uint16_t technology = 0;
  std::uint16_t voices = 0;
  std::uint16_t notes = 0;
  std::uint16_t channelMask = 0;
  std::uint32_t support = 0;
};

struct InCaps {
  std::string productName;  // at most 31 characters
  PortGeneration generation = 0;
  std::uint32_t driverVersion = 0;
  std::uint16_t manufacturerId = 0;
  std::uint16_t productId = 0;
};

inline constexpr int kMidiMapper = -1;  // output device -1

}  // namespace lintra::midi

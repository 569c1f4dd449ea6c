// The platform's MIDI services as the MIDI components see them.
//
// The components were laid out over a device API in the style of the classic
// multimedia MIDI calls: devices by number, a capability record per device,
// open with a callback routine and a context value, packed short messages,
// long-message headers that are prepared, queued and unprepared, and a result
// code for every call (0 = success) with a text for each code.  Every real
// back end (RtMidi, the built-in synthesizer) and the test fake implement this
// one interface, so the components above it run unchanged on all of them.
#pragma once

#include <cstdint>
#include <string>

namespace lintra::midi {

using Result = std::uint16_t;
inline constexpr Result kOk = 0;

// Result codes shared by all services (numbered as the classic API numbers them,
// so that texts and tests read the same everywhere).  A service may add its own
// codes from 100 up; ErrorText must know every code it returns.
enum : Result {
  kErrUnspecified = 1,   // "An unspecified error occurred."
  kErrBadDeviceId = 2,   // device number out of range
  kErrNotEnabled = 3,
  kErrAllocated = 4,     // device already in use
  kErrInvalidHandle = 5,
  kErrNoDriver = 6,
  kErrNoMem = 7,
  kErrNotSupported = 8,
  kErrInvalParam = 11,
  kErrUnprepared = 64,   // header not prepared
  kErrStillPlaying = 65,
  kErrNotReady = 67,
  kErrDeviceGone = 100,  // the device disappeared while open
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

// Callback routine: runs on a thread of the service (or, for an output, may run
// on the caller's thread).  `instance` is the context value given at open.
// For MIM_DATA p1 is the packed short message and p2 the time stamp in ms;
// for MIM_LONGDATA / MIM_LONGERROR / MOM_DONE p1 is the LongHeader*.
using Callback = void (*)(DeviceHandle handle, std::uint32_t message,
                          std::uintptr_t instance, std::uintptr_t p1,
                          std::uintptr_t p2);

// Header of a long (system-exclusive) message buffer.
struct LongHeader {
  std::uint8_t* data = nullptr;      // buffer
  std::uint32_t bufferLength = 0;    // size of the buffer
  std::uint32_t bytesRecorded = 0;   // bytes filled in (input)
  std::uintptr_t user = 0;           // owner's reference
  std::uint32_t flags = 0;           // kHdr* below, kept by the service
};
enum : std::uint32_t { kHdrDone = 1, kHdrPrepared = 2, kHdrInQueue = 4 };

struct OutCaps {
  std::string productName;  // at most 31 characters
  std::uint32_t driverVersion = 0;
  std::uint16_t technology = 0;
  std::uint16_t voices = 0;
  std::uint16_t notes = 0;
  std::uint16_t channelMask = 0;
  std::uint32_t support = 0;
};

struct InCaps {
  std::string productName;  // at most 31 characters
  std::uint32_t driverVersion = 0;
  std::uint16_t manufacturerId = 0;
  std::uint16_t productId = 0;
};

inline constexpr int kMidiMapper = -1;  // output device -1

class MidiService {
 public:
  virtual ~MidiService() = default;

  // Output devices.  Device -1 (kMidiMapper) is valid for caps and open.
  virtual unsigned OutGetNumDevs() = 0;
  virtual Result OutGetDevCaps(int id, OutCaps& caps) = 0;
  virtual Result OutOpen(DeviceHandle& handle, int id, Callback callback,
                         std::uintptr_t instance) = 0;
  virtual Result OutClose(DeviceHandle handle) = 0;
  virtual Result OutShortMsg(DeviceHandle handle, std::uint32_t packed) = 0;
  virtual Result OutPrepareHeader(DeviceHandle handle, LongHeader* header) = 0;
  virtual Result OutLongMsg(DeviceHandle handle, LongHeader* header) = 0;
  virtual Result OutUnprepareHeader(DeviceHandle handle, LongHeader* header) = 0;
  // Fills `text` and returns kOk, or returns a non-zero code for an unknown code.
  virtual Result OutGetErrorText(Result code, std::string& text) = 0;

  // Input devices.
  virtual unsigned InGetNumDevs() = 0;
  virtual Result InGetDevCaps(unsigned id, InCaps& caps) = 0;
  virtual Result InOpen(DeviceHandle& handle, unsigned id, Callback callback,
                        std::uintptr_t instance) = 0;
  virtual Result InStart(DeviceHandle handle) = 0;
  virtual Result InReset(DeviceHandle handle) = 0;  // returns queued buffers
  virtual Result InClose(DeviceHandle handle) = 0;
  virtual Result InPrepareHeader(DeviceHandle handle, LongHeader* header) = 0;
  virtual Result InAddBuffer(DeviceHandle handle, LongHeader* header) = 0;
  virtual Result InUnprepareHeader(DeviceHandle handle, LongHeader* header) = 0;
  virtual Result InGetErrorText(Result code, std::string& text) = 0;
};

}  // namespace lintra::midi

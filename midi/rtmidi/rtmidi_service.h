// The platform's MIDI ports through RtMidi: ALSA sequencer or JACK on Linux,
// WinMM on Windows, CoreMIDI on macOS.
//
// Device numbers are RtMidi's port numbers at the moment of the call, names
// its port names cut to 31 characters.  Each open device is an RtMidi object
// of its own, and so a client of its own ("Lintra In 3", "Lintra Out 4").
// Input arrives on RtMidi's thread and goes straight to the caller's callback:
// short messages as MIM_DATA with the time since InStart, system-exclusive
// messages copied into the oldest buffer queued by InAddBuffer.  That thread
// never allocates or locks on our side; the buffers are handed over through a
// fixed array with atomic positions.
#pragma once

#include <memory>
#include <string>

#include "midi/jack_autostart.h"
#include "midi/midi_service.h"

namespace lintra::midi {

enum class RtMidiBackend {
  Automatic,  // the platform's API; on Linux ALSA, then JACK without /dev/snd/seq
  Jack,       // JACK only
};

class RtMidiService final : public MidiService {
 public:
  // Open failed for a reason of the MIDI system (port busy, refused, gone).
  static constexpr Result kErrOpenFailed = 101;

  explicit RtMidiService(RtMidiBackend backend = RtMidiBackend::Automatic);
  ~RtMidiService() override;
  RtMidiService(const RtMidiService&) = delete;
  RtMidiService& operator=(const RtMidiService&) = delete;

  // "alsa", "jack", "winmm", "core"; "none" when no MIDI system could be reached.
  std::string ApiName() const;

  unsigned OutGetNumDevs() override;
  Result OutGetDevCaps(int id, OutCaps& caps) override;
  Result OutOpen(DeviceHandle& handle, int id, Callback callback, std::uintptr_t instance) override;
  Result OutClose(DeviceHandle handle) override;
  Result OutShortMsg(DeviceHandle handle, std::uint32_t packed) override;
  Result OutPrepareHeader(DeviceHandle handle, LongHeader* header) override;
  Result OutLongMsg(DeviceHandle handle, LongHeader* header) override;
  Result OutUnprepareHeader(DeviceHandle handle, LongHeader* header) override;
  Result OutGetErrorText(Result code, std::string& text) override;

  unsigned InGetNumDevs() override;
  Result InGetDevCaps(unsigned id, InCaps& caps) override;
  Result InOpen(DeviceHandle& handle, unsigned id, Callback callback, std::uintptr_t instance) override;
  Result InStart(DeviceHandle handle) override;
  Result InReset(DeviceHandle handle) override;
  Result InClose(DeviceHandle handle) override;
  Result InPrepareHeader(DeviceHandle handle, LongHeader* header) override;
  Result InAddBuffer(DeviceHandle handle, LongHeader* header) override;
  Result InUnprepareHeader(DeviceHandle handle, LongHeader* header) override;
  Result InGetErrorText(Result code, std::string& text) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Number of bytes of a short message with this status byte (1 to 3), or 0
// when the byte starts no short message (a data byte, F0 or F7).
int ShortMessageLength(std::uint8_t status);

}  // namespace lintra::midi

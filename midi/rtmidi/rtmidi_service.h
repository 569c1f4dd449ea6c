// The platform's MIDI ports through RtMidi: ALSA sequencer or JACK on Linux,
// WinMM on Windows, CoreMIDI on macOS.
//
// Port numbers count RtMidi's ports at the moment of the call, names are its
// port names cut to 31 characters.  Each open port is an RtMidi object of its
// own, and so a client of its own ("Lintra In 3", "Lintra Out 4"); the ports
// of these clients are never offered.  Input arrives on
// RtMidi's thread and goes straight to the listener; that thread never
// allocates or locks on our side.
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
  explicit RtMidiService(RtMidiBackend backend = RtMidiBackend::Automatic);
  ~RtMidiService() override;
  RtMidiService(const RtMidiService&) = delete;
  RtMidiService& operator=(const RtMidiService&) = delete;

  // "alsa", "jack", "winmm", "core"; "none" when no MIDI system could be reached.
  std::string ApiName() const;

  unsigned OutputCount() override;
  Result DescribeOutput(int port, OutCaps& caps) override;
  Result OpenOutput(int port, std::unique_ptr<OutputConnection>& connection) override;

  unsigned InputCount() override;
  Result DescribeInput(unsigned port, InCaps& caps) override;
  Result OpenInput(unsigned port, InputListener& listener, std::unique_ptr<InputConnection>& connection) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Number of bytes of a short message with this status byte (1 to 3), or 0
// when the byte starts no short message (a data byte, F0 or F7).
int ShortMessageLength(std::uint8_t status);

}  // namespace lintra::midi

// The MIDI words the program speaks: status bytes of channel 1 and the sound
// it makes for a wrong answer.  Channel messages carry their channel in the
// low four bits, so a status here names channel 1 and `status | channel`
// names another.
#pragma once

#include <cstdint>

namespace lintra::midi {

inline constexpr std::uint8_t kNoteOff = 0x80;
inline constexpr std::uint8_t kNoteOn = 0x90;
inline constexpr std::uint8_t kPolyPressure = 0xA0;
inline constexpr std::uint8_t kControlChange = 0xB0;
inline constexpr std::uint8_t kProgramChange = 0xC0;
inline constexpr std::uint8_t kChannelPressure = 0xD0;
inline constexpr std::uint8_t kPitchBend = 0xE0;

inline constexpr std::uint8_t kSysexStart = 0xF0;
inline constexpr std::uint8_t kSysexEnd = 0xF7;
inline constexpr std::uint8_t kTimingClock = 0xF8;
inline constexpr std::uint8_t kActiveSensing = 0xFE;

// A wrong answer sounds the agogo (General MIDI program 113) on note 81,
// a sound no question's instrument makes.
inline constexpr std::uint8_t kErrorSignalProgram = 113;
inline constexpr std::uint8_t kErrorSignalNote = 81;

}  // namespace lintra::midi

// The messages the program sends, typed: a note-on, a note-off, a program
// change, a controller.  Each is one short message on MIDI channel 1, and
// each says every byte it puts on the wire, so that what a device receives
// (and what a transcript records) is decided here, not at the call sites.
//
// The window keeps its notes and its instrument in signed bytes; a message
// takes such a value and carries its low eight bits, as the byte it has
// always been sent as.
#pragma once

#include <cstdint>

#include "midi/message_bytes.h"

namespace lintra::midi {

// A short message as it is packed and sent: status and two data bytes.  A
// message with one data byte (a program change) fills the second one too.
struct ShortMessage {
  std::uint8_t status = 0;
  std::uint8_t data1 = 0;
  std::uint8_t data2 = 0;
  friend bool operator==(const ShortMessage&, const ShortMessage&) = default;
};

// Packed as the device calls carry it: status in bits 0-7, the first data
// byte in bits 8-15, the second in bits 16-23.
constexpr std::uint32_t Packed(ShortMessage message) {
  return message.status | static_cast<std::uint32_t>(message.data1) << 8 |
         static_cast<std::uint32_t>(message.data2) << 16;
}
constexpr ShortMessage Unpacked(std::uint32_t packed) {
  return {static_cast<std::uint8_t>(packed & 0xFF), static_cast<std::uint8_t>(packed >> 8 & 0xFF),
          static_cast<std::uint8_t>(packed >> 16 & 0xFF)};
}

// Notes are struck and released at full velocity unless a message says otherwise.
inline constexpr int kFullVelocity = 127;

constexpr std::uint8_t LowByte(int value) { return static_cast<std::uint8_t>(value); }

// A note-on, or a note-off whose velocity is the release velocity.
template <std::uint8_t Status>
struct NoteMessage {
  constexpr explicit NoteMessage(int note, int velocity = kFullVelocity)
      : note(LowByte(note)), velocity(LowByte(velocity)) {}
  constexpr operator ShortMessage() const { return {Status, note, velocity}; }
  std::uint8_t note;
  std::uint8_t velocity;
};
using NoteOn = NoteMessage<kNoteOn>;
using NoteOff = NoteMessage<kNoteOff>;

// A program change has one data byte; the packed message still carries a
// second, which devices ignore.  The window fills it with 0, except where it
// sounds a question again after a wrong answer or a device change: there it
// has always sent 127 (kRepeatFill).  The fill is part of the message so that
// the traffic stays byte for byte what it has been.
struct ProgramChange {
  static constexpr int kZeroFill = 0;
  static constexpr int kRepeatFill = 127;
  constexpr explicit ProgramChange(int program, int fill = kZeroFill)
      : program(LowByte(program)), fill(LowByte(fill)) {}
  constexpr operator ShortMessage() const { return {kProgramChange, program, fill}; }
  std::uint8_t program;
  std::uint8_t fill;
};

struct ControlChange {
  constexpr ControlChange(int controller, int value) : controller(LowByte(controller)), value(LowByte(value)) {}
  constexpr operator ShortMessage() const { return {kControlChange, controller, value}; }
  std::uint8_t controller;
  std::uint8_t value;
};

}  // namespace lintra::midi

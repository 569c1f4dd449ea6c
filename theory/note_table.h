#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lintra::theory {

// Index into SpelledNoteTable(): 0 (F1) to 72 (B4).
using NoteSlot = std::uint8_t;

inline constexpr std::size_t kNoteSlotCount = 73;

enum class NoteKind { Natural, Sharp, Flat };

struct SpelledNote {
  std::string letterName;  // "F#1"; the octave digit is one below scientific pitch (C3 = MIDI 60)
  NoteKind kind;
  std::string syllableName;  // "Fá#1", UTF-8
  std::uint8_t midiNote;     // 41 .. 83
  int staffY;                // pixels on the grand staff, 4 per diatonic step, growing downwards
};

// F1 to B4 in 25 letter steps; each step k < 24 owns slots 3k (natural), 3k+1 (its sharp) and
// 3k+2 (the flat of the next letter); slot 72 is B4 alone.
const std::array<SpelledNote, kNoteSlotCount>& SpelledNoteTable();

// Exact, case-sensitive match on the letter name ("Bb3").
std::optional<NoteSlot> FindByLetterName(std::string_view letterName);

}  // namespace lintra::theory

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "theory/note_table.h"

namespace lintra::theory {

inline constexpr std::size_t kKeyCount = 24;
inline constexpr std::size_t kPoolSize = 24;

// What the questions are drawn from: one of the 24 keys, in the order of Keys(), or the chromatic
// scale. The identity of a key wherever it is kept (the journal, the student model); how the window
// names it is the window's business.
enum class KeyId : std::uint8_t {
  CMajor,
  GMajor,
  DMajor,
  AMajor,
  EMajor,
  BMajor,
  FSharpMajor,
  FMajor,
  BFlatMajor,
  EFlatMajor,
  AFlatMajor,
  DFlatMajor,
  GFlatMajor,
  AMinor,
  EMinor,
  BMinor,
  FSharpMinor,
  CSharpMinor,
  DMinor,
  GMinor,
  CMinor,
  FMinor,
  BFlatMinor,
  EFlatMinor,
  Chromatic,
};
inline constexpr std::size_t kKeyIdCount = kKeyCount + 1;

// Text codes for storage ("c_major", "f_sharp_minor", "chromatic"); they never change once written.
std::string_view Code(KeyId key);
std::optional<KeyId> ParseKeyCode(std::string_view code);

struct KeyInfo {
  KeyId id;
  bool minor;
  std::string_view signatureKind;  // "#", "b", or anything else for no signature
  std::int8_t signatureCount;
  std::string_view instruction;  // the task line shown while the key is in force
  // Every scale note from F1 to A4 (slots 0..69) as the key spells it, ascending. A minor key's
  // raised seventh appears only at its three leading-tone slots; where a fourth one would fall in
  // range (or a major scale runs out of notes) a neighbouring entry is repeated instead.
  std::array<NoteSlot, kPoolSize> pool;
  std::array<NoteSlot, 3> leadingTones;    // minor keys only
  std::string_view leadingToneAccidental;  // "#" or "n" for minor keys, " " for major keys
};

// Indexed as the automatic modulation draws them: 0 C major .. 12 Gb major, 13 A minor .. 23 Eb minor,
// each at the position of its KeyId.
const std::array<KeyInfo, kKeyCount>& Keys();

// The key's table row; null for the chromatic scale.
const KeyInfo* FindKey(KeyId key);

// The order in which the key in force is looked for when note reading resumes: the first checked
// item of the submenu wins.
const std::array<KeyId, 13>& MajorRestoreOrder();
const std::array<KeyId, 11>& MinorRestoreOrder();

}  // namespace lintra::theory

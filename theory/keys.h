#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "theory/note_table.h"

namespace lintra::theory {

inline constexpr std::size_t kKeyCount = 24;
inline constexpr std::size_t kPoolSize = 24;

struct KeyInfo {
  std::string_view item;     // menu item name, "CMajor1"
  std::string_view caption;  // "C Major"
  std::string_view handler;  // "CMajorClick"
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

// Indexed as the automatic modulation draws them: 0 CMajor1 .. 12 GbMajor1, 13 AMinor1 .. 23 EbMinor1.
const std::array<KeyInfo, kKeyCount>& Keys();

const KeyInfo* FindKey(std::string_view item);

// The order in which the key in force is looked for when note reading resumes: the first checked
// item of the submenu wins.
const std::array<std::string_view, 13>& MajorRestoreOrder();
const std::array<std::string_view, 11>& MinorRestoreOrder();

}  // namespace lintra::theory

// The lowest and highest key the student wants to be asked, both included.
#pragma once

#include <optional>

namespace lintra::theory {

// The keyboard's 43 keys, F1 to B4, as MIDI notes.
inline constexpr int kLowestKeyMidi = 41;
inline constexpr int kHighestKeyMidi = 83;

struct NoteRange {
  int lowest = kLowestKeyMidi;
  int highest = kHighestKeyMidi;

  bool Contains(int midi) const { return midi >= lowest && midi <= highest; }
  bool operator==(const NoteRange&) const = default;
};

// No range where a key lies off the keyboard or the lowest is above the highest: a stored range
// that was tampered with is refused, not clamped into something the student never chose.
std::optional<NoteRange> MakeNoteRange(int lowest, int highest);

}  // namespace lintra::theory

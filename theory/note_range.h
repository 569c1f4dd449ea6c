// The lowest and highest key the student wants to be asked, both included.
#pragma once

#include <optional>
#include <string>
#include <string_view>

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

// The key a typed note name stands for: a letter, a sharp ("#") or flat ("b") if any, and the
// octave digit as the student has the octaves numbered (with `middleCIsC4` one above the table's
// digits). Case and blanks do not matter ("f# 3"); a name of no key of the keyboard gives nothing.
std::optional<int> KeyOfName(std::string_view text, bool middleCIsC4);
// The name of a key in that numbering, black keys as sharps: "F#2".
std::string NameOfKey(int midi, bool middleCIsC4);

}  // namespace lintra::theory

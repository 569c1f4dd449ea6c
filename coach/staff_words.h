// The staff in words, for a student who cannot see it: what a sighted student reads there (the
// clef, the key signature, where the note stands and the sign before it), never the note's name,
// which is what the student is asked.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "theory/clef.h"

namespace lintra::coach {

// A note as drawn: its letter step (F1 = 0, as theory::LetterStep counts) and the sign before it
// as the question cycle draws it: "#", "b", "n" (a natural sign), or none ("" or " ").
struct DrawnNote {
  int step = 0;
  std::string accidental;
};

// In a line of notes: which note is being read, from 1, and how many the line holds.
struct LinePosition {
  std::size_t reading = 1;
  std::size_t length = 1;
};

// What the staff shows.
struct StaffPicture {
  std::optional<theory::Clef> singleClef;  // a staff of its own with this clef; none: the grand staff
  std::string signatureKind;               // "#", "b", or anything else for no key signature
  int signatureCount = 0;
  std::optional<DrawnNote> note;  // the note read: the question, the key played, or a line's note being read
  std::optional<LinePosition> line;
};

struct StaffWords {
  std::string staff;  // the staff with its clefs and key signature
  std::string note;   // where the note stands and its sign, or that none is shown
  std::string Whole() const { return staff + ' ' + note; }
};

// In the student's language, in whole sentences.
StaffWords DescribeStaff(const StaffPicture& picture);

// Where a note stands, `place` letter steps above the bottom line of its staff (theory::PlaceOn):
// "on the second line", "in the space above the top line", "on the first ledger line below".
std::string PlaceWords(int place);

}  // namespace lintra::coach

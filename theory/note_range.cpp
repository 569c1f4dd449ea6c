#include "theory/note_range.h"

namespace lintra::theory {

std::optional<NoteRange> MakeNoteRange(int lowest, int highest) {
  if (lowest < kLowestKeyMidi || highest > kHighestKeyMidi || lowest > highest) return std::nullopt;
  return NoteRange{lowest, highest};
}

}  // namespace lintra::theory

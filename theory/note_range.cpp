#include "theory/note_range.h"

#include <cctype>

#include "theory/note_names.h"
#include "theory/note_table.h"

namespace lintra::theory {

std::optional<NoteRange> MakeNoteRange(int lowest, int highest) {
  if (lowest < kLowestKeyMidi || highest > kHighestKeyMidi || lowest > highest) return std::nullopt;
  return NoteRange{lowest, highest};
}

std::optional<int> KeyOfName(std::string_view text, bool middleCIsC4) {
  std::string name;
  for (const char c : text) {
    if (!std::isspace(static_cast<unsigned char>(c))) name += c;
  }
  // A letter, at most one sign and one octave digit.
  if (name.size() < 2 || name.size() > 3) return std::nullopt;
  name.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(name.front())));
  if (name.size() == 3 && name[1] == 'B') name[1] = 'b';
  char& octave = name.back();
  if (middleCIsC4) {
    if (octave < '1' || octave > '9') return std::nullopt;
    --octave;
  }
  const auto slot = FindByLetterName(name);
  if (!slot) return std::nullopt;
  return SpelledNoteTable()[*slot].midiNote;
}

std::string NameOfKey(int midi, bool middleCIsC4) {
  // A white key by its natural (F2, not E#2), a black one by its sharp.
  for (const NoteKind kind : {NoteKind::Natural, NoteKind::Sharp}) {
    for (const SpelledNote& note : SpelledNoteTable()) {
      if (note.midiNote == midi && note.kind == kind) return ShownOctave(note.letterName, middleCIsC4);
    }
  }
  return std::to_string(midi);
}

}  // namespace lintra::theory

#include "theory/note_names.h"

#include <array>

namespace lintra::theory {
namespace {

struct WhiteKeyName {
  std::string_view letter;
  std::string_view syllable;
};

// By semitone above C; black keys have no name.
// clang-format off
constexpr std::array<WhiteKeyName, 12> kWhiteKeyNames{{
    {"C", "Dó"}, {"", ""}, {"D", "Ré"}, {"", ""}, {"E", "Mi"}, {"F", "Fá"},
    {"", ""}, {"G", "Sol"}, {"", ""}, {"A", "Lá"}, {"", ""}, {"B", "Si"},
}};
// clang-format on

}  // namespace

std::string AccidentalGlyph(NoteKind kind, bool chromaticChecked, bool playKeyboardChecked, std::string current) {
  if (chromaticChecked) {
    switch (kind) {
      case NoteKind::Natural:
        current = "n";
        break;
      case NoteKind::Sharp:
        current = "#";
        break;
      case NoteKind::Flat:
        current = "b";
        break;
    }
  }
  if (playKeyboardChecked && kind == NoteKind::Natural) {
    current.clear();
  }
  return current;
}

std::string DisplayNameFor(std::string_view spelledName, bool letters, std::string previous) {
  if (letters) {
    return std::string(spelledName);
  }
  if (const auto slot = FindByLetterName(spelledName)) {
    return SpelledNoteTable()[*slot].syllableName;
  }
  return previous;
}

std::string ShownOctave(std::string_view name, bool middleCIsC4) {
  std::string shown(name);
  if (middleCIsC4 && !shown.empty() && shown.back() >= '0' && shown.back() <= '8') ++shown.back();
  return shown;
}

std::string WhiteKeyCaption(std::uint8_t midiNote, bool syllables) {
  const WhiteKeyName& name = kWhiteKeyNames[midiNote % 12];
  return std::string(syllables ? name.syllable : name.letter);
}

}  // namespace lintra::theory

#include "theory/note_table.h"

namespace lintra::theory {
namespace {

struct Letter {
  char name;
  std::string_view syllable;
  int semitone;  // above C of the same octave
};

// The letters in the order the table climbs, starting from its lowest note F1.
// clang-format off
constexpr std::array<Letter, 7> kLettersFromF{{
    {'F', "Fá", 5},
    {'G', "Sol", 7},
    {'A', "Lá", 9},
    {'B', "Si", 11},
    {'C', "Dó", 0},
    {'D', "Ré", 2},
    {'E', "Mi", 4},
}};
// clang-format on

constexpr int kLetterSteps = 25;
constexpr int kLowestOctave = 1;
constexpr int kStepsFromFToC = 4;
constexpr int kBottomStaffY = 72;
constexpr int kPixelsPerStep = 4;

const Letter& LetterOfStep(int step) { return kLettersFromF[static_cast<std::size_t>(step % 7)]; }

// The octave digit turns over at C and belongs to the written letter (Cb2 sounds as B1).
int OctaveOfStep(int step) { return kLowestOctave + (step + 7 - kStepsFromFToC) / 7; }

int NaturalMidi(int step) { return 12 * (OctaveOfStep(step) + 2) + LetterOfStep(step).semitone; }

SpelledNote MakeNote(int slot) {
  const int step = slot / 3;
  const int column = slot % 3;
  // The third column is the flat of the next letter, spelled and placed with that letter.
  const int letterStep = column == 2 ? step + 1 : step;
  const NoteKind kind = column == 0 ? NoteKind::Natural : column == 1 ? NoteKind::Sharp : NoteKind::Flat;
  const Letter& letter = LetterOfStep(letterStep);
  const std::string octave = std::to_string(OctaveOfStep(letterStep));

  SpelledNote note{};
  note.kind = kind;
  note.letterName = std::string(1, letter.name);
  note.syllableName = std::string(letter.syllable);
  int midi = NaturalMidi(letterStep);
  if (kind == NoteKind::Sharp) {
    note.letterName += '#';
    note.syllableName += '#';
    midi += 1;
  } else if (kind == NoteKind::Flat) {
    note.letterName += 'b';
    note.syllableName += "(b)";
    midi -= 1;
  }
  note.letterName += octave;
  note.syllableName += octave;
  note.midiNote = static_cast<std::uint8_t>(midi);
  note.staffY = kBottomStaffY - kPixelsPerStep * ((slot + 1) / 3);
  return note;
}

std::array<SpelledNote, kNoteSlotCount> BuildTable() {
  static_assert(kNoteSlotCount == 3 * (kLetterSteps - 1) + 1);
  std::array<SpelledNote, kNoteSlotCount> table{};
  for (int slot = 0; slot < static_cast<int>(kNoteSlotCount); ++slot) {
    table[static_cast<std::size_t>(slot)] = MakeNote(slot);
  }
  return table;
}

}  // namespace

const std::array<SpelledNote, kNoteSlotCount>& SpelledNoteTable() {
  static const std::array<SpelledNote, kNoteSlotCount> table = BuildTable();
  return table;
}

std::optional<NoteSlot> FindByLetterName(std::string_view letterName) {
  const auto& table = SpelledNoteTable();
  for (std::size_t slot = 0; slot < table.size(); ++slot) {
    if (table[slot].letterName == letterName) {
      return static_cast<NoteSlot>(slot);
    }
  }
  return std::nullopt;
}

}  // namespace lintra::theory

#include "practice/staff_place.h"

#include <array>

namespace lintra::practice {
namespace {

constexpr int kFirstTrebleStep = 12;  // D3, the space below the treble staff
constexpr std::array<char, 7> kLettersFromF{'F', 'G', 'A', 'B', 'C', 'D', 'E'};
constexpr std::array<int, 7> kSemitonesFromF{5, 7, 9, 11, 0, 2, 4};
constexpr std::string_view kSharpOrder = "FCGDAEB";
constexpr std::string_view kFlatOrder = "BEADGCF";

int FloorMod7(int step) { return ((step % 7) + 7) % 7; }
int FloorDiv7(int n) { return n >= 0 ? n / 7 : -((-n + 6) / 7); }

}  // namespace

Staff StaffOf(int step) { return step >= kFirstTrebleStep ? Staff::Treble : Staff::Bass; }

int PlaceOnStaff(int step) { return theory::PlaceOn(StaffOf(step), step); }

bool OnLedgerLine(int step) { return step == 11 || step >= 23; }

char LetterOf(int step) { return kLettersFromF[static_cast<std::size_t>(FloorMod7(step))]; }

// F1 is step 0 and the octave digit turns over at C, four steps above F.
int OctaveDigitOf(int step) { return 1 + FloorDiv7(step + 3); }

int NaturalMidiOf(int step) {
  return 12 * (OctaveDigitOf(step) + 2) + kSemitonesFromF[static_cast<std::size_t>(FloorMod7(step))];
}

std::string NameAt(int step, int alteration) {
  std::string name(1, LetterOf(step));
  if (alteration > 0) name += '#';
  if (alteration < 0) name += 'b';
  name += std::to_string(OctaveDigitOf(step));
  return name;
}

int SignatureAlteration(theory::KeyId keyId, int step) {
  const theory::KeyInfo* key = theory::FindKey(keyId);
  if (key == nullptr) return 0;
  const int count = key->signatureCount;
  const char letter = LetterOf(step);
  if (key->signatureKind == "#" &&
      kSharpOrder.substr(0, static_cast<std::size_t>(count)).find(letter) != std::string_view::npos)
    return 1;
  if (key->signatureKind == "b" &&
      kFlatOrder.substr(0, static_cast<std::size_t>(count)).find(letter) != std::string_view::npos)
    return -1;
  return 0;
}

std::string_view DrawnSign(theory::KeyId keyId, theory::NoteSlot slot) {
  if (keyId == theory::KeyId::Chromatic) {
    switch (theory::SpelledNoteTable().at(slot).kind) {
      case theory::NoteKind::Natural:
        return "n";
      case theory::NoteKind::Sharp:
        return "#";
      case theory::NoteKind::Flat:
        return "b";
    }
  }
  const theory::KeyInfo* key = theory::FindKey(keyId);
  if (key == nullptr || !key->minor) return "";
  for (const theory::NoteSlot leading : key->leadingTones) {
    if (leading == slot) return key->leadingToneAccidental;
  }
  return "";
}

}  // namespace lintra::practice

#include "practice/diagnosis.h"

#include <array>
#include <cstdlib>
#include <initializer_list>
#include <span>

#include "practice/staff_place.h"
#include "theory/note_names.h"

namespace lintra::practice {
namespace {

int SignValue(std::string_view sign) { return sign == "#" ? 1 : sign == "b" ? -1 : 0; }

struct Context {
  theory::KeyId key;
  std::string_view sign;  // drawn before the question note
  int answerMidi;
};

// The student sees the note at `step`: they read it with the key signature, or with the sign
// that stands before the note they were shown.
bool ReadAt(const Context& context, int step, Diagnosis& out) {
  const int natural = NaturalMidiOf(step);
  const int bySignature = SignatureAlteration(context.key, step);
  for (const int alteration : {bySignature, context.sign.empty() ? bySignature : SignValue(context.sign)}) {
    if (natural + alteration == context.answerMidi) {
      out.readStep = step;
      out.readAlteration = alteration;
      return true;
    }
  }
  return false;
}

bool ReadAtAny(const Context& context, int step, std::span<const int> offsets, Diagnosis& out) {
  for (const int offset : offsets) {
    if (ReadAt(context, step + offset, out)) return true;
  }
  return false;
}

// A plain spelling for a key no misreading explains: the natural, else as the key leans.
void SpellAnyhow(theory::KeyId keyId, int midi, int nearStep, Diagnosis& out) {
  const theory::KeyInfo* key = theory::FindKey(keyId);
  const int preferred = key != nullptr && key->signatureKind == "b" ? -1 : 1;
  for (const int alteration : {0, preferred}) {
    for (int step = nearStep - 14; step <= nearStep + 14; ++step) {
      if (NaturalMidiOf(step) + alteration == midi) {
        out.readStep = step;
        out.readAlteration = alteration;
        return;
      }
    }
  }
}

bool ReadAtAny(const Context& context, int step, std::initializer_list<int> offsets, Diagnosis& out) {
  return ReadAtAny(context, step, std::span<const int>(offsets.begin(), offsets.size()), out);
}

constexpr std::array<int, 2> kTowardsBelow{-1, -2};
constexpr std::array<int, 2> kTowardsAbove{1, 2};
constexpr std::array<int, 4> kTowardsEither{-1, -2, 1, 2};

// How a note on ledger lines is miscounted: one or two steps towards the staff. Middle C's ledger
// line lies between the staves of the grand staff: counting towards either one is a miscount.
std::span<const int> LedgerMiscounts(ClefRange range, int step) {
  if (const auto clef = CClefOf(range)) {
    const int place = theory::PlaceOn(*clef, step);
    if (theory::LedgerLinesAt(place) == 0) return {};
    return place > 0 ? std::span<const int>(kTowardsBelow) : std::span<const int>(kTowardsAbove);
  }
  if (!OnLedgerLine(step)) return {};
  return step >= 23 ? std::span<const int>(kTowardsBelow) : std::span<const int>(kTowardsEither);
}

// The same place on the other staff of the grand staff, or, on a C-clef staff, in one of the
// clefs its reader met first.
bool ReadInAnotherClef(const Context& context, ClefRange range, int step, Diagnosis& out) {
  if (const auto clef = CClefOf(range)) {
    const int place = theory::PlaceOn(*clef, step);
    return ReadAt(context, StepAt(Staff::Treble, place), out) || ReadAt(context, StepAt(Staff::Bass, place), out);
  }
  return ReadAt(context, step + (StaffOf(step) == Staff::Treble ? -12 : 12), out);
}

std::string_view ClefName(ClefRange range, int step) { return theory::InfoOf(StaffOf(range, step)).name; }
std::string_view LineOrSpace(ClefRange range, int step) {
  return PlaceOnStaff(range, step) % 2 == 0 ? "line" : "space";
}

}  // namespace

std::string NoteNameAsShown(std::string_view letterName, NoteNaming naming) {
  std::string name(letterName);
  if (naming.syllables) {
    if (const auto slot = theory::FindByLetterName(name)) name = theory::SpelledNoteTable().at(*slot).syllableName;
  }
  return theory::ShownOctave(name, naming.middleCIsC4);
}

std::string AnsweredNoteName(theory::KeyId key, theory::NoteSlot question, int answerMidi, ClefRange range,
                             NoteNaming naming) {
  const Diagnosis diagnosis = Diagnose(key, question, answerMidi, range);
  if (diagnosis.kind == MistakeKind::None)
    return NoteNameAsShown(theory::SpelledNoteTable().at(question).letterName, naming);
  return NoteNameAsShown(NameAt(diagnosis.readStep, diagnosis.readAlteration), naming);
}

Diagnosis Diagnose(theory::KeyId key, theory::NoteSlot question, int answerMidi, ClefRange range) {
  Diagnosis out;
  const auto& row = theory::SpelledNoteTable().at(question);
  const int step = LetterStep(question);
  const int questionMidi = row.midiNote;
  if (answerMidi == questionMidi) return out;
  const Context context{key, DrawnSign(key, question), answerMidi};
  const int bySignature = SignatureAlteration(key, step);
  const int natural = NaturalMidiOf(step);
  out.readStep = step;

  if (!context.sign.empty() && natural + bySignature == answerMidi) {
    out.kind = MistakeKind::AccidentalIgnored;
    out.readAlteration = bySignature;
  } else if (context.sign.empty() && bySignature != 0 && natural == answerMidi) {
    out.kind = MistakeKind::KeySignatureIgnored;
  } else if ((answerMidi - questionMidi) % 12 == 0) {
    out.kind = MistakeKind::Octave;
    out.readStep = step + 7 * (answerMidi - questionMidi) / 12;
    out.readAlteration = questionMidi - natural;
  } else if (ReadAtAny(context, step, LedgerMiscounts(range, step), out)) {
    out.kind = MistakeKind::LedgerLines;
  } else if (ReadAtAny(context, step, {-1, 1}, out)) {
    out.kind = MistakeKind::OneStep;
  } else if (ReadAtAny(context, step, {-2, 2}, out)) {
    out.kind = MistakeKind::TwoSteps;
  } else if (ReadInAnotherClef(context, range, step, out)) {
    out.kind = CClefOf(range) ? MistakeKind::CClefReadAsTrebleOrBass : MistakeKind::OtherClef;
  } else {
    out.kind = MistakeKind::Other;
    SpellAnyhow(key, answerMidi, step, out);
  }
  return out;
}

std::string DescribeMistake(theory::KeyId key, theory::NoteSlot question, const Diagnosis& diagnosis, NoteNaming naming,
                            ClefRange range) {
  if (diagnosis.kind == MistakeKind::None) return {};
  const int step = LetterStep(question);
  const int read = diagnosis.readStep;
  std::string text = "Read " + NoteNameAsShown(theory::SpelledNoteTable().at(question).letterName, naming) +
                     " in the " + std::string(ClefName(range, step)) + " clef as " +
                     NoteNameAsShown(NameAt(read, diagnosis.readAlteration), naming);
  const std::string_view direction = read > step ? "high" : "low";
  switch (diagnosis.kind) {
    case MistakeKind::None:
      break;
    case MistakeKind::AccidentalIgnored: {
      const std::string_view sign = DrawnSign(key, question);
      text += sign == "n" ? ": the natural sign before the note cancels the key signature"
                          : std::string(": the ") + (sign == "#" ? "sharp" : "flat") + " before the note was missed";
      break;
    }
    case MistakeKind::KeySignatureIgnored:
      text += ": the key signature makes every " +
              (naming.syllables ? theory::WhiteKeyCaption(static_cast<std::uint8_t>(NaturalMidiOf(step)), true)
                                : std::string(1, LetterOf(step))) +
              (SignatureAlteration(key, step) > 0 ? " sharp" : " flat");
      break;
    case MistakeKind::Octave: {
      const int octaves = std::abs(read - step) / 7;
      text += std::string(": the right note, ") + (octaves == 1 ? "an octave" : std::to_string(octaves) + " octaves") +
              " too " + std::string(direction);
      break;
    }
    case MistakeKind::LedgerLines:
      text += std::string(": the ledger lines miscounted, ") + (std::abs(read - step) == 1 ? "one step" : "two steps") +
              " towards the staff";
      break;
    case MistakeKind::OneStep:
      text +=
          ": one step too " + std::string(direction) + ", the neighbouring " + std::string(LineOrSpace(range, read));
      break;
    case MistakeKind::TwoSteps:
      text += std::string(": a ") + std::string(LineOrSpace(range, step)) + " read as the next " +
              std::string(LineOrSpace(range, step)) + (read > step ? " up" : " down");
      break;
    case MistakeKind::OtherClef:
      text += std::string(": the same place on the ") + (StaffOf(step) == Staff::Treble ? "bass" : "treble") + " staff";
      break;
    case MistakeKind::CClefReadAsTrebleOrBass:
      text += std::string(": the same place read in the ") +
              (read == StepAt(Staff::Treble, PlaceOnStaff(range, step)) ? "treble" : "bass") + " clef";
      break;
    case MistakeKind::Other:
      break;
  }
  return text;
}

}  // namespace lintra::practice

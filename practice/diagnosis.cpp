#include "practice/diagnosis.h"

#include <array>
#include <cstdlib>
#include <initializer_list>
#include <span>

#include "practice/staff_place.h"
#include "theory/marked_text.h"
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

// A plain spelling for a key no misreading explains: the natural, else as the key leans. A MIDI
// keyboard plays anything from 0 to 127, within 80 steps of any note of the staff.
void SpellAnyhow(theory::KeyId keyId, int midi, int nearStep, Diagnosis& out) {
  const theory::KeyInfo* key = theory::FindKey(keyId);
  const int preferred = key != nullptr && key->signatureKind == "b" ? -1 : 1;
  for (const int alteration : {0, preferred}) {
    for (int step = nearStep - 80; step <= nearStep + 80; ++step) {
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

// The sentences are kept whole for the translators: one per clef for what was read as what, one
// per kind of mistake and its direction for why.
struct Reason {
  std::string_view pattern;  // empty where no misreading explains the answer
  std::string argument;      // fills its "%1"
};

std::string_view ReadingPattern(theory::Clef clef) {
  switch (clef) {
    case theory::Clef::Treble:
      return LINTRA_TRANSLATE_NOOP("Mistakes", "Read %1 in the treble clef as %2");
    case theory::Clef::Bass:
      return LINTRA_TRANSLATE_NOOP("Mistakes", "Read %1 in the bass clef as %2");
    case theory::Clef::Alto:
      return LINTRA_TRANSLATE_NOOP("Mistakes", "Read %1 in the alto clef as %2");
    case theory::Clef::Tenor:
      return LINTRA_TRANSLATE_NOOP("Mistakes", "Read %1 in the tenor clef as %2");
  }
  return {};
}

std::string_view SignMissed(std::string_view sign) {
  if (sign == "n")
    return LINTRA_TRANSLATE_NOOP("Mistakes", "the natural sign before the note cancels the key signature");
  return sign == "#" ? LINTRA_TRANSLATE_NOOP("Mistakes", "the sharp before the note was missed")
                     : LINTRA_TRANSLATE_NOOP("Mistakes", "the flat before the note was missed");
}

Reason OctaveReason(int octaves, bool up) {
  if (octaves == 1) {
    return {up ? LINTRA_TRANSLATE_NOOP("Mistakes", "the right note, an octave too high")
               : LINTRA_TRANSLATE_NOOP("Mistakes", "the right note, an octave too low"),
            {}};
  }
  return {up ? LINTRA_TRANSLATE_NOOP("Mistakes", "the right note, %1 octaves too high")
             : LINTRA_TRANSLATE_NOOP("Mistakes", "the right note, %1 octaves too low"),
          std::to_string(octaves)};
}

// [too high][on a line]: the place read was the neighbouring line or space.
constexpr std::string_view kOneStep[2][2] = {
    {LINTRA_TRANSLATE_NOOP("Mistakes", "one step too low, the neighbouring space"),
     LINTRA_TRANSLATE_NOOP("Mistakes", "one step too low, the neighbouring line")},
    {LINTRA_TRANSLATE_NOOP("Mistakes", "one step too high, the neighbouring space"),
     LINTRA_TRANSLATE_NOOP("Mistakes", "one step too high, the neighbouring line")}};
// [read upwards][the question on a line]
constexpr std::string_view kTwoSteps[2][2] = {{LINTRA_TRANSLATE_NOOP("Mistakes", "a space read as the next space down"),
                                               LINTRA_TRANSLATE_NOOP("Mistakes", "a line read as the next line down")},
                                              {LINTRA_TRANSLATE_NOOP("Mistakes", "a space read as the next space up"),
                                               LINTRA_TRANSLATE_NOOP("Mistakes", "a line read as the next line up")}};

bool OnALine(ClefRange range, int step) { return PlaceOnStaff(range, step) % 2 == 0; }

Reason ReasonFor(theory::KeyId key, theory::NoteSlot question, const Diagnosis& diagnosis, NoteNaming naming,
                 ClefRange range) {
  const int step = LetterStep(question);
  const int read = diagnosis.readStep;
  const bool up = read > step;
  switch (diagnosis.kind) {
    case MistakeKind::AccidentalIgnored:
      return {SignMissed(DrawnSign(key, question)), {}};
    case MistakeKind::KeySignatureIgnored:
      return {SignatureAlteration(key, step) > 0
                  ? LINTRA_TRANSLATE_NOOP("Mistakes", "the key signature makes every %1 sharp")
                  : LINTRA_TRANSLATE_NOOP("Mistakes", "the key signature makes every %1 flat"),
              naming.syllables ? theory::WhiteKeyCaption(static_cast<std::uint8_t>(NaturalMidiOf(step)), true)
                               : std::string(1, LetterOf(step))};
    case MistakeKind::Octave:
      return OctaveReason(std::abs(read - step) / 7, up);
    case MistakeKind::LedgerLines:
      return {std::abs(read - step) == 1
                  ? LINTRA_TRANSLATE_NOOP("Mistakes", "the ledger lines miscounted, one step towards the staff")
                  : LINTRA_TRANSLATE_NOOP("Mistakes", "the ledger lines miscounted, two steps towards the staff"),
              {}};
    case MistakeKind::OneStep:
      return {kOneStep[up][OnALine(range, read)], {}};
    case MistakeKind::TwoSteps:
      return {kTwoSteps[up][OnALine(range, step)], {}};
    case MistakeKind::OtherClef:
      return {StaffOf(step) == Staff::Treble ? LINTRA_TRANSLATE_NOOP("Mistakes", "the same place on the bass staff")
                                             : LINTRA_TRANSLATE_NOOP("Mistakes", "the same place on the treble staff"),
              {}};
    case MistakeKind::CClefReadAsTrebleOrBass:
      return {read == StepAt(Staff::Treble, PlaceOnStaff(range, step))
                  ? LINTRA_TRANSLATE_NOOP("Mistakes", "the same place read in the treble clef")
                  : LINTRA_TRANSLATE_NOOP("Mistakes", "the same place read in the bass clef"),
              {}};
    case MistakeKind::None:
    case MistakeKind::Other:
      break;
  }
  return {};
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
                            ClefRange range, TranslateText translate) {
  if (diagnosis.kind == MistakeKind::None) return {};
  const auto words = [translate](std::string_view pattern) {
    return translate != nullptr ? translate("Mistakes", pattern) : std::string(pattern);
  };
  const std::string reading =
      theory::FillMarkers(words(ReadingPattern(StaffOf(range, LetterStep(question)))),
                          {NoteNameAsShown(theory::SpelledNoteTable().at(question).letterName, naming),
                           NoteNameAsShown(NameAt(diagnosis.readStep, diagnosis.readAlteration), naming)});
  const Reason reason = ReasonFor(key, question, diagnosis, naming, range);
  if (reason.pattern.empty()) return reading;
  return theory::FillMarkers(words(LINTRA_TRANSLATE_NOOP("Mistakes", "%1: %2")),
                             {reading, theory::FillMarkers(words(reason.pattern), {reason.argument})});
}

}  // namespace lintra::practice

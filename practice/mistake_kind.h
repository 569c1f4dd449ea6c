// The kinds of wrong answer, with the text codes under which answers are stored.
#pragma once

#include <optional>
#include <string_view>

namespace lintra::practice {

enum class MistakeKind {
  None,  // the answer was right
  AccidentalIgnored,
  KeySignatureIgnored,
  Octave,
  LedgerLines,
  OneStep,
  TwoSteps,
  OtherClef,
  Other,
  CClefReadAsTrebleOrBass,
};

// Stored codes never change once written: "none", "accidental", "key_signature", "octave",
// "ledger_lines", "one_step", "two_steps", "other_clef", "other", "c_clef_as_treble_or_bass".
std::string_view Code(MistakeKind kind);
std::optional<MistakeKind> ParseMistakeKind(std::string_view code);

}  // namespace lintra::practice

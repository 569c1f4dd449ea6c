#include "practice/mistake_kind.h"

#include <array>
#include <utility>

namespace lintra::practice {
namespace {

constexpr std::array<std::pair<MistakeKind, std::string_view>, 10> kCodes{{
    {MistakeKind::None, "none"},
    {MistakeKind::AccidentalIgnored, "accidental"},
    {MistakeKind::KeySignatureIgnored, "key_signature"},
    {MistakeKind::Octave, "octave"},
    {MistakeKind::LedgerLines, "ledger_lines"},
    {MistakeKind::OneStep, "one_step"},
    {MistakeKind::TwoSteps, "two_steps"},
    {MistakeKind::OtherClef, "other_clef"},
    {MistakeKind::Other, "other"},
    {MistakeKind::CClefReadAsTrebleOrBass, "c_clef_as_treble_or_bass"},
}};

}  // namespace

std::string_view Code(MistakeKind kind) {
  for (const auto& [k, code] : kCodes) {
    if (k == kind) return code;
  }
  return "other";
}

std::optional<MistakeKind> ParseMistakeKind(std::string_view code) {
  for (const auto& [k, c] : kCodes) {
    if (c == code) return k;
  }
  return std::nullopt;
}

}  // namespace lintra::practice

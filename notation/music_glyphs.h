// The characters of the music font the notation draws with, each drawn on its reference line
// (tools/make_font.py).
#pragma once

#include <string_view>

namespace lintra::notation::glyph {

inline constexpr std::string_view kTrebleClef = "&";
inline constexpr std::string_view kBassClef = "?";
inline constexpr std::string_view kCClef = "B";
inline constexpr std::string_view kNoteHead = "w";
inline constexpr std::string_view kLedgerLine = "--";
// A ledger line cut short on the left (beside its own note's accidental), on the right (before
// the next note's accidental or ledger line) or on both sides.
inline constexpr std::string_view kLedgerCutLeft = "[";
inline constexpr std::string_view kLedgerCutRight = "]";
inline constexpr std::string_view kLedgerCutBoth = "|";
// Beneath a line's notes: the one being read, a wrong answer.
inline constexpr std::string_view kReadingMark = "^";
inline constexpr std::string_view kWrongMark = "x";

}  // namespace lintra::notation::glyph

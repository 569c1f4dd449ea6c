#include "tools/catalogs/pseudo_text.h"

#include <array>

namespace lintra::catalogs {
namespace {

struct Accent {
  char plain;
  std::string_view accented;
};
constexpr std::array<Accent, 16> kAccents{{{'a', "á"},
                                           {'e', "é"},
                                           {'i', "í"},
                                           {'o', "ö"},
                                           {'u', "ü"},
                                           {'c', "ç"},
                                           {'n', "ñ"},
                                           {'y', "ý"},
                                           {'A', "Å"},
                                           {'E', "É"},
                                           {'I', "Î"},
                                           {'O', "Ö"},
                                           {'U', "Ü"},
                                           {'C', "Ç"},
                                           {'N', "Ñ"},
                                           {'Y', "Ý"}}};
// Tall letters with marks above and below: they show clipping at the top and bottom of a line too.
constexpr std::array<std::string_view, 4> kPadding{"Ĝ", "ş", "Ä", "ț"};

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// How many bytes from `i` on are kept as they are: a place marker, a mnemonic, a tag or an entity.
std::size_t KeptRun(std::string_view text, std::size_t i) {
  const auto rest = text.substr(i);
  if (rest.size() >= 2 && rest[0] == '%') {
    std::size_t end = 1;
    if (rest[end] == 'L' && end + 1 < rest.size()) ++end;  // "%L1": a number in the locale's digits
    if (rest[end] == 'n') return end + 1;
    if (IsDigit(rest[end])) {
      ++end;
      if (end < rest.size() && IsDigit(rest[end])) ++end;
      return end;
    }
    return 0;
  }
  if (rest.size() >= 2 && rest[0] == '&') {
    const auto semicolon = rest.find(';');
    std::size_t name = 1;
    while (name < rest.size() && (IsLetter(rest[name]) || IsDigit(rest[name]) || rest[name] == '#')) ++name;
    if (semicolon == name && name > 1) return name + 1;  // "&amp;"
    return 2;                                            // "&A" underlines A; "&&" is one ampersand
  }
  if (rest.size() >= 2 && rest[0] == '<' && (IsLetter(rest[1]) || rest[1] == '/' || rest[1] == '!')) {
    const auto close = rest.find('>');
    if (close != std::string_view::npos) return close + 1;
  }
  return 0;
}

}  // namespace

std::size_t CodePoints(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

std::string PseudoText(std::string_view english) {
  if (english.empty()) return {};
  std::string result = "[";
  for (std::size_t i = 0; i < english.size();) {
    if (const auto kept = KeptRun(english, i)) {
      result += english.substr(i, kept);
      i += kept;
      continue;
    }
    const char c = english[i++];
    std::string_view replacement;
    for (const auto& accent : kAccents) {
      if (accent.plain == c) replacement = accent.accented;
    }
    if (replacement.empty()) {
      result += c;
    } else {
      result += replacement;
    }
  }
  const std::size_t length = CodePoints(english);
  const std::size_t wanted = (length * 14 + 9) / 10;  // 40% longer, rounded up
  for (std::size_t added = length; added < wanted; ++added) result += kPadding[added % kPadding.size()];
  result += "]";
  return result;
}

}  // namespace lintra::catalogs

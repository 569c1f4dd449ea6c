#include "ui/language.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

namespace lintra::ui {
namespace {

constexpr std::array<std::string_view, 5> kShipped{"pt_BR", "es", "fr", "it", "de"};

struct NamedLanguage {
  std::string_view code;
  std::string_view name;
};
constexpr std::array<NamedLanguage, 6> kNativeNames{{{"en", "English"},
                                                     {"pt_BR", "Português (Brasil)"},
                                                     {"es", "Español"},
                                                     {"fr", "Français"},
                                                     {"it", "Italiano"},
                                                     {"de", "Deutsch"}}};

std::string Lower(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
  return result;
}

std::string Upper(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c); });
  return result;
}

bool IsCLocale(std::string_view name) {
  const std::string plain = Lower(name.substr(0, name.find_first_of(".@")));
  return plain == "c" || plain == "posix";
}

// The shipped language a locale name stands for, English for English and the C locale, nothing for
// a language we do not ship.
std::optional<std::string> Match(std::string_view name) {
  if (IsCLocale(name)) return std::string(kEnglish);
  if (name == kPseudoLanguage) return std::string(kPseudoLanguage);
  name = name.substr(0, name.find_first_of(".@"));
  const auto separator = name.find_first_of("_-");
  const std::string language = Lower(name.substr(0, separator));
  const std::string region = separator == std::string_view::npos ? "" : Upper(name.substr(separator + 1));
  if (language.empty()) return std::nullopt;
  if (language == kEnglish) return std::string(kEnglish);
  const std::string exact = region.empty() ? language : language + "_" + region;
  for (const auto shipped : kShipped) {
    if (shipped == exact) return std::string(shipped);
  }
  // Another region of a shipped language reads the catalog written for its own region or another.
  for (const auto shipped : kShipped) {
    if (shipped == language || shipped.substr(0, shipped.find('_')) == language) return std::string(shipped);
  }
  return std::nullopt;
}

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

std::span<const std::string_view> ShippedLanguages() { return kShipped; }

std::string_view NativeName(std::string_view language) {
  for (const auto& named : kNativeNames) {
    if (named.code == language) return named.name;
  }
  return language;
}

LocaleEnvironment ReadLocaleEnvironment() {
  return {Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG")};
}

std::string DesktopLanguage(const LocaleEnvironment& environment) {
  std::string_view locale = "C";
  for (const std::string* variable : {&environment.lcAll, &environment.lcMessages, &environment.lang}) {
    if (!variable->empty()) {
      locale = *variable;
      break;
    }
  }
  if (IsCLocale(locale)) return std::string(kEnglish);
  if (!environment.language.empty()) {
    std::string_view list = environment.language;
    while (!list.empty()) {
      const auto colon = list.find(':');
      const auto entry = list.substr(0, colon);
      if (auto match = Match(entry)) return *match;
      list = colon == std::string_view::npos ? std::string_view{} : list.substr(colon + 1);
    }
    return std::string(kEnglish);
  }
  return Match(locale).value_or(std::string(kEnglish));
}

std::string ChooseLanguage(std::string_view choice, const LocaleEnvironment& environment) {
  if (choice == kEnglish || choice == kPseudoLanguage) return std::string(choice);
  for (const auto shipped : kShipped) {
    if (shipped == choice) return std::string(shipped);
  }
  return DesktopLanguage(environment);
}

}  // namespace lintra::ui

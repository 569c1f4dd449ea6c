// Which of the shipped languages the program speaks: the student's own choice when there is one,
// else the desktop's, read from the environment in the order GNU gettext reads it.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace lintra::ui {

// English is the language the texts are written in; it needs no catalog.
inline constexpr std::string_view kEnglish = "en";
// Every text about 40% longer, in accented letters: shows where a text would be cut off.
inline constexpr std::string_view kPseudoLanguage = "pseudo";

// The languages with a catalog and a help page, as their files are named (translations/lintra_de.ts,
// "Note Help.de.html"). English and the pseudo-translation are not among them.
std::span<const std::string_view> ShippedLanguages();

// The language's name in itself ("Deutsch"), for a list to choose from; the code for a language
// that is not shipped.
std::string_view NativeName(std::string_view language);

struct LocaleEnvironment {
  std::string language;    // LANGUAGE: "de:fr", a list in the order of preference
  std::string lcAll;       // LC_ALL
  std::string lcMessages;  // LC_MESSAGES
  std::string lang;        // LANG
};

LocaleEnvironment ReadLocaleEnvironment();

// The desktop's language among the shipped ones, else English. LC_ALL, LC_MESSAGES and LANG name the
// locale (the first one set wins); LANGUAGE, a list, goes before it unless the locale is "C" or
// "POSIX", which means English. Codesets and modifiers ("de_DE.UTF-8@euro") do not count; a region
// we do not ship falls back to the language's own catalog ("de_AT" is "de", "pt_PT" is "pt_BR").
std::string DesktopLanguage(const LocaleEnvironment& environment);

// The student's explicit choice when it is English, the pseudo-translation or a shipped language;
// otherwise (none, or one no longer shipped) the desktop's language.
std::string ChooseLanguage(std::string_view choice, const LocaleEnvironment& environment);

}  // namespace lintra::ui

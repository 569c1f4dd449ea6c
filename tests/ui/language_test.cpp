#include "ui/language.h"

#include <gtest/gtest.h>

namespace lintra::ui {
namespace {

LocaleEnvironment Locale(std::string language, std::string lcAll, std::string lcMessages, std::string lang) {
  return {std::move(language), std::move(lcAll), std::move(lcMessages), std::move(lang)};
}

TEST(DesktopLanguage, TheFirstLocaleVariableSetNamesTheLanguage) {
  EXPECT_EQ(DesktopLanguage(Locale("", "", "", "de_DE.UTF-8")), "de");
  EXPECT_EQ(DesktopLanguage(Locale("", "", "fr_FR.UTF-8", "de_DE.UTF-8")), "fr");
  EXPECT_EQ(DesktopLanguage(Locale("", "it_IT@euro", "fr_FR.UTF-8", "de_DE.UTF-8")), "it");
  EXPECT_EQ(DesktopLanguage(Locale("", "", "", "")), "en");
  EXPECT_EQ(DesktopLanguage(Locale("", "", "", "en_GB.UTF-8")), "en");
}

TEST(DesktopLanguage, LanguageListGoesFirstUnlessTheLocaleIsC) {
  EXPECT_EQ(DesktopLanguage(Locale("es:de", "", "", "de_DE.UTF-8")), "es");
  // Entries we do not ship are passed over; English in the list is a choice of its own.
  EXPECT_EQ(DesktopLanguage(Locale("sv:nb:it", "", "", "de_DE.UTF-8")), "it");
  EXPECT_EQ(DesktopLanguage(Locale("sv:en:it", "", "", "de_DE.UTF-8")), "en");
  // A list of languages none of which we ship is English, not the locale's language.
  EXPECT_EQ(DesktopLanguage(Locale("sv", "", "", "de_DE.UTF-8")), "en");
  EXPECT_EQ(DesktopLanguage(Locale("::fr:", "", "", "de_DE.UTF-8")), "fr");
  EXPECT_EQ(DesktopLanguage(Locale("pseudo", "", "", "en_US.UTF-8")), "pseudo");
  for (const char* c : {"C", "POSIX", "C.UTF-8"}) {
    EXPECT_EQ(DesktopLanguage(Locale("de", "", "", c)), "en") << c;
    EXPECT_EQ(DesktopLanguage(Locale("de", c, "fr_FR", "it_IT")), "en") << c;
  }
  EXPECT_EQ(DesktopLanguage(Locale("de", "", "", "")), "en");  // no locale at all is the C locale
}

TEST(DesktopLanguage, RegionsFallBackToTheLanguageAndUnknownOnesToEnglish) {
  EXPECT_EQ(DesktopLanguage(Locale("", "", "", "pt_BR.UTF-8")), "pt_BR");
  EXPECT_EQ(DesktopLanguage(Locale("", "", "", "pt_PT.UTF-8")), "pt_BR");
  EXPECT_EQ(DesktopLanguage(Locale("pt", "", "", "en_US")), "pt_BR");
  EXPECT_EQ(DesktopLanguage(Locale("", "", "", "de_AT")), "de");
  EXPECT_EQ(DesktopLanguage(Locale("", "", "", "es-MX")), "es");
  EXPECT_EQ(DesktopLanguage(Locale("", "", "", "FR_ca")), "fr");
  EXPECT_EQ(DesktopLanguage(Locale("", "", "", "ja_JP.UTF-8")), "en");
  EXPECT_EQ(DesktopLanguage(Locale("", "", "", "_DE.UTF-8")), "en");
  EXPECT_EQ(DesktopLanguage(Locale("", "", "", "deutsch")), "en");
}

TEST(ChooseLanguage, AnExplicitChoiceWinsWhenWeShipIt) {
  const auto german = Locale("", "", "", "de_DE.UTF-8");
  EXPECT_EQ(ChooseLanguage("fr", german), "fr");
  EXPECT_EQ(ChooseLanguage("en", german), "en");
  EXPECT_EQ(ChooseLanguage("pseudo", german), "pseudo");
  EXPECT_EQ(ChooseLanguage("", german), "de");
  EXPECT_EQ(ChooseLanguage("sv", german), "de");  // no longer shipped, or a damaged options file
  for (const auto language : ShippedLanguages()) {
    EXPECT_EQ(ChooseLanguage(language, Locale("", "", "", "C")), language);
    EXPECT_NE(NativeName(language), language);
  }
}

}  // namespace
}  // namespace lintra::ui

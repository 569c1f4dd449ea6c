#include <gtest/gtest.h>

#include "tools/catalogs/catalog.h"
#include "tools/catalogs/pseudo_text.h"

namespace lintra::catalogs {
namespace {

TEST(PseudoText, IsAboutFortyPercentLongerAndKeepsWhatTheProgramFillsIn) {
  for (const std::string english : {"Next Question", "On", "Correct Answers:", "Export Journal..."}) {
    const auto pseudo = PseudoText(english);
    const auto length = CodePoints(pseudo) - 2;  // the brackets
    EXPECT_GE(length * 10, CodePoints(english) * 14) << pseudo;
    EXPECT_LT(length * 10, CodePoints(english) * 14 + 10) << pseudo;
    EXPECT_EQ(pseudo.front(), '[');
    EXPECT_EQ(pseudo.back(), ']');
  }
  EXPECT_EQ(PseudoText("Next").rfind("[Ñéxt", 0), 0u);
  const auto filled = PseudoText("%1: %2 of %n, &About <b>bold</b> &amp; 100%L1");
  for (const std::string kept : {"%1: %2 ", " %n, ", "&Ab", "<b>", "</b>", "&amp;", "%L1"}) {
    EXPECT_NE(filled.find(kept), std::string::npos) << kept << " in " << filled;
  }
  EXPECT_EQ(PseudoText(""), "");
}

constexpr const char* kCatalog = R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Menu</name>
    <message><source>Exit</source><translation>Beenden</translation></message>
    <message><source>Keys</source><translation type="unfinished"></translation></message>
    <message><source>Old</source><translation type="vanished">Alt</translation></message>
    <message><source>Empty</source><translation></translation></message>
</context>
<context>
    <name>Messages</name>
    <message><source>&apos;%1&apos; of %2</source><translation>%2 von „%1“</translation></message>
    <message><source>%1 of %2</source><comment>count</comment><translation>%1 von</translation></message>
    <message numerus="yes"><source>%n notes</source><translation><numerusform>eine Note</numerusform><numerusform>%n Noten</numerusform></translation></message>
</context>
</TS>
)";

TEST(Catalog, ProblemsNameEveryTextThatCannotShip) {
  std::string error;
  const auto catalog = ReadCatalog(kCatalog, error);
  ASSERT_TRUE(catalog) << error;
  EXPECT_EQ(catalog->language, "de");
  ASSERT_EQ(catalog->messages.size(), 7u);
  EXPECT_EQ(catalog->messages[4].source, "'%1' of %2");
  EXPECT_EQ(catalog->messages[6].translations, (std::vector<std::string>{"eine Note", "%n Noten"}));
  const std::vector<std::string> expected{"not translated: Menu: \"Keys\"", "no longer in the program: Menu: \"Old\"",
                                          "empty translation: Menu: \"Empty\"",
                                          "place markers differ: Messages: \"%1 of %2\" (count) -> \"%1 von\""};
  EXPECT_EQ(CatalogProblems(*catalog), expected);
  EXPECT_FALSE(ReadCatalog("<TS><context>", error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(ReadCatalog("<html/>", error));
}

TEST(Catalog, PseudoTranslationIsAFinishedCatalogThatReadsBack) {
  std::string error;
  const auto extracted = ReadCatalog(kCatalog, error);
  ASSERT_TRUE(extracted) << error;
  const auto pseudo = ReadCatalog(WriteCatalog(PseudoCatalog(*extracted)), error);
  ASSERT_TRUE(pseudo) << error;
  EXPECT_TRUE(CatalogProblems(*pseudo).empty());
  ASSERT_EQ(pseudo->messages.size(), 6u);  // the vanished text is not the program's any more
  EXPECT_EQ(pseudo->messages[0].context, "Menu");
  EXPECT_EQ(pseudo->messages[0].translations.front(), PseudoText("Exit"));
  EXPECT_EQ(pseudo->messages[4].comment, "count");
  EXPECT_EQ(pseudo->messages[5].translations.size(), 2u);
}

}  // namespace
}  // namespace lintra::catalogs

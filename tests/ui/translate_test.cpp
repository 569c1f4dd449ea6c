#include "ui/translate.h"

#include <gtest/gtest.h>

#include <set>

#include "ui/layout_texts.h"

namespace lintra::ui {
namespace {

// Answers "[CONTEXT|TEXT|DISAMBIGUATION|N]", so a test sees what reached the translator.
class EchoTranslator : public Translator {
 public:
  std::string Translate(std::string_view context, std::string_view text, std::string_view disambiguation,
                        int n) const override {
    return "[" + std::string(context) + "|" + std::string(text) + "|" + std::string(disambiguation) + "|" +
           std::to_string(n) + "]";
  }
};

TEST(Tr, WithoutTranslatorGivesTheEnglishTextWithItsCount) {
  EXPECT_EQ(Tr("Window", "Next Question"), "Next Question");
  EXPECT_EQ(Tr("Window", "%n notes, 100%", {}, 3), "3 notes, 100%");
  EXPECT_EQ(Tr("Window", "%n notes"), "%n notes");  // no count: the text as written
}

TEST(Tr, AskTheInstalledTranslatorUntilItIsRemoved) {
  {
    const EchoTranslator echo;
    const UseTranslator use(echo);
    EXPECT_EQ(Tr("Menu", "On", "tutor", 2), "[Menu|On|tutor|2]");
    EXPECT_EQ(TrMarked("Menu", "Exit"), "[Menu|Exit||-1]");
  }
  EXPECT_EQ(Tr("Menu", "On"), "On");
}

TEST(Args, FillsNumberedMarkersOnceInAnyOrder) {
  EXPECT_EQ(Args("%2 before %1", {"one", "two"}), "two before one");
  EXPECT_EQ(Args("%1 and %1", {"x"}), "x and x");
  // What is filled in is not read again; markers without an argument, and lone signs, stay.
  EXPECT_EQ(Args("Cannot open \"%1\" (%2)", {"%2 100%", "gone"}), "Cannot open \"%2 100%\" (gone)");
  EXPECT_EQ(Args("%3 of %1%", {"a"}), "%3 of a%");
  EXPECT_EQ(Args("%11|%1", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"}), "k|a");
  EXPECT_EQ(Args("100%", {}), "100%");
}

TEST(LayoutTexts, MarkEveryCaptionOfTheTablesAndNoOther) {
  std::set<std::string_view> menus(MarkedMenuCaptions().begin(), MarkedMenuCaptions().end());
  std::set<std::string_view> used;
  for (const auto& item : Menus()) {
    if (item.caption == kMenuSeparator) continue;
    EXPECT_TRUE(menus.contains(item.caption)) << item.caption;
    used.insert(item.caption);
  }
  EXPECT_EQ(used, menus);
  EXPECT_EQ(menus.size(), MarkedMenuCaptions().size()) << "a caption is marked twice";

  std::set<std::string_view> window(MarkedWindowTexts().begin(), MarkedWindowTexts().end());
  std::set<std::string_view> shown{kWindowCaption};
  for (const auto& control : Controls()) {
    if (control.kind != ControlKind::DataList && !control.caption.empty()) shown.insert(control.caption);
  }
  EXPECT_EQ(shown, window);
}

TEST(LayoutTexts, TranslateCaptionsButNotSeparatorsOrStores) {
  const EchoTranslator echo;
  const UseTranslator use(echo);
  EXPECT_EQ(MenuCaption(Menus().front()), "[Menu|Mode||-1]");
  for (const auto& item : Menus()) {
    if (item.caption == kMenuSeparator) {
      EXPECT_EQ(MenuCaption(item), "-");
    }
  }
  for (const auto& control : Controls()) {
    if (control.kind == ControlKind::DataList) {
      EXPECT_EQ(ControlCaption(control), control.caption);
    } else if (control.name == control::StartButton) {
      EXPECT_EQ(ControlCaption(control), "[MainWindow|Next Question||-1]");
    }
  }
}

}  // namespace
}  // namespace lintra::ui

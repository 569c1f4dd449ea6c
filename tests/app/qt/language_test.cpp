// The program's catalogs and help pages, one of each per shipped language.
#include "ui/language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>
#include <fstream>

#include "app/qt/help_document.h"
#include "practice/diagnosis.h"
#include "theory/note_table.h"
#include "translations/program_language.h"
#include "ui/dialogs.h"
#include "ui/translate.h"

namespace lintra {
namespace {

TEST(ProgramLanguage, EveryShippedCatalogIsBuiltInAndTranslatesTheCore) {
  for (const auto language : ui::ShippedLanguages()) {
    const translations::ProgramLanguage speaking{std::string(language)};
    EXPECT_EQ(speaking.Language(), language);
    EXPECT_EQ(speaking.Catalog(), ":/i18n/lintra_" + std::string(language) + ".qm");
    EXPECT_NE(ui::Tr("Menu", "Exit"), "Exit") << language;
    // A text the catalog lacks stays English, its count filled in as without a catalog.
    EXPECT_EQ(ui::Tr("Menu", "No such caption %n", {}, 4), "No such caption 4");
  }
  EXPECT_EQ(ui::Tr("Menu", "Exit"), "Exit");  // each language left with its object
}

TEST(ProgramLanguage, PseudoTranslationEnglishAndMissingCatalogs) {
  {
    const translations::ProgramLanguage pseudo{std::string(ui::kPseudoLanguage)};
    EXPECT_EQ(ui::Tr("MainWindow", "Next Question").rfind("[Ñéxt Qüéstíöñ", 0), 0u);
  }
  const translations::ProgramLanguage english{std::string(ui::kEnglish)};
  EXPECT_TRUE(english.Catalog().empty());
  EXPECT_TRUE(english.Problem().empty());
  const translations::ProgramLanguage swedish{"sv"};
  EXPECT_EQ(swedish.Language(), "en");
  EXPECT_NE(swedish.Problem().find("lintra_sv.qm"), std::string::npos);
  EXPECT_EQ(ui::Tr("Menu", "Exit"), "Exit");
}

// Sentences put together from parts, and texts that come from below the window.
TEST(ProgramLanguage, MistakesAndTheMidiSystemsOwnTextsAreInTheLanguage) {
  const auto describe = [](theory::KeyId key, const char* question, int answer, practice::NoteNaming naming) {
    const auto slot = *theory::FindByLetterName(question);
    return practice::DescribeMistake(key, slot, practice::Diagnose(key, slot, answer), naming,
                                     practice::ClefRange::Grand, &ui::TrMarked);
  };
  {
    const translations::ProgramLanguage french{"fr"};
    EXPECT_EQ(describe(theory::KeyId::CMajor, "A2", 77, {.syllables = true}),
              "Lá2 en clé de fa lu comme Fá4\u00a0: la même place sur la portée en clé de sol");
    EXPECT_EQ(ui::DisplayedErrorText("The device is not ready."), "Le périphérique n'est pas prêt.");
  }
  const translations::ProgramLanguage german{"de"};
  EXPECT_EQ(describe(theory::KeyId::DMajor, "C#2", 73, {}),
            "C#2 im Bassschlüssel als C#4 gelesen: die richtige Note, 2 Oktaven zu hoch");
  EXPECT_EQ(ui::DisplayedErrorText("A driver's own words"), "A driver's own words.");
}

TEST(HelpDocument, TheFirstFolderWithAPageGivesItInTheLanguageOrInEnglish) {
  namespace fs = std::filesystem;
  const fs::path root =
      fs::temp_directory_path() / ("lintra-help-" + std::to_string(QCoreApplication::applicationPid()));
  fs::create_directories(root / "installed");
  fs::create_directories(root / "source");
  for (const auto* page : {"installed/Note Help.html", "source/Note Help.html", "source/Note Help.de.html"}) {
    std::ofstream(root / page) << "<html></html>";
  }
  const std::vector<fs::path> folders{root / "build", root / "installed", root / "source"};
  EXPECT_EQ(frontend::FindHelpDocument(folders, "de"), (root / "installed/Note Help.html").string());
  std::ofstream(root / "installed/Note Help.de.html") << "<html></html>";
  EXPECT_EQ(frontend::FindHelpDocument(folders, "de"), (root / "installed/Note Help.de.html").string());
  EXPECT_EQ(frontend::FindHelpDocument(folders, "en"), (root / "installed/Note Help.html").string());
  EXPECT_EQ(frontend::FindHelpDocument(folders, "pseudo"), (root / "installed/Note Help.html").string());
  EXPECT_EQ(frontend::FindHelpDocument({root / "build"}, "de"), (root / "build/Note Help.html").string());
  fs::remove_all(root);

  for (const auto language : ui::ShippedLanguages()) {
    EXPECT_EQ(fs::path(frontend::FindHelpDocument({LINTRA_SOURCE_DIR "/assets/help"}, language)).filename(),
              "Note Help." + std::string(language) + ".html");
  }
}

}  // namespace
}  // namespace lintra

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// Moving among the piano keys from the computer's keyboard: steps that stop at the ends, and a
// letter that finds the next white key of its name, in letters or syllables.
#include "ui/key_navigation.h"

#include <gtest/gtest.h>

#include <vector>

#include "theory/note_table.h"
#include "ui/layout.h"

namespace lintra::ui {
namespace {

// The keys' names as the student hears them: "F1", "F#1" ..., or "Fá1", "Fá#1" ...
std::vector<std::string> KeyNames(bool syllables) {
  std::vector<std::string> names;
  for (const auto& key : Keyboard()) {
    const auto& row = theory::SpelledNoteTable()[static_cast<std::size_t>(3 * key.letterStep + (key.black ? 1 : 0))];
    names.push_back(syllables ? row.syllableName : row.letterName);
  }
  return names;
}

TEST(KeyNavigation, StepsGoBySemitonesAndOctavesAndStopAtTheEnds) {
  const int last = static_cast<int>(Keyboard().size()) - 1;
  EXPECT_EQ(KeyAfter(0, KeyStep::Higher), 1);  // F1 to the black key F#1
  EXPECT_EQ(KeyAfter(7, KeyStep::Lower), 6);   // C2 to B1
  EXPECT_EQ(KeyAfter(0, KeyStep::Lower), 0);
  EXPECT_EQ(KeyAfter(last, KeyStep::Higher), last);
  EXPECT_EQ(KeyAfter(0, KeyStep::OctaveHigher), 12);   // F2
  EXPECT_EQ(KeyAfter(19, KeyStep::OctaveLower), 7);    // C3 to C2
  EXPECT_EQ(KeyAfter(35, KeyStep::OctaveHigher), 35);  // no E5 on the keyboard
  EXPECT_EQ(KeyAfter(20, KeyStep::Lowest), 0);
  EXPECT_EQ(KeyAfter(20, KeyStep::Highest), last);
}

TEST(KeyNavigation, ALetterFindsTheNextWhiteKeyOfItsNameAndGoesRound) {
  const auto letters = KeyNames(false);
  EXPECT_EQ(NextKeyNamed(0, 'c', letters), 7);   // F1 to C2
  EXPECT_EQ(NextKeyNamed(7, 'C', letters), 19);  // C2 to C3
  EXPECT_EQ(NextKeyNamed(31, 'c', letters), 7);  // past C4, round to C2
  EXPECT_EQ(NextKeyNamed(0, 'f', letters), 12);  // F2, not the black key F#1
  EXPECT_EQ(NextKeyNamed(12, 'x', letters), std::nullopt);

  const auto syllables = KeyNames(true);
  EXPECT_EQ(NextKeyNamed(0, 's', syllables), 2);  // Sol1
  EXPECT_EQ(NextKeyNamed(2, 's', syllables), 6);  // Si1
  EXPECT_EQ(NextKeyNamed(0, 'd', syllables), 7);  // Dó2
}

}  // namespace
}  // namespace lintra::ui

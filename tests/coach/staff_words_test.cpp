// The staff in words: every place a note can stand on, the grand staff and a staff of its own,
// lines of notes, and sentences that reach the translator whole.
#include "coach/staff_words.h"

#include <gtest/gtest.h>

#include <set>

#include "theory/note_table.h"
#include "ui/translate.h"

namespace lintra::coach {
namespace {

StaffPicture Grand(std::string kind, int count, std::optional<DrawnNote> note) {
  return {std::nullopt, std::move(kind), count, std::move(note), std::nullopt};
}

TEST(StaffWords, EveryPlaceFromF1ToB4OnAnyClefHasWordsOfItsOwn) {
  std::set<std::string> seen;
  // F1 on the treble staff (13 steps below its bottom line) to B4 on the bass staff (23 above).
  for (int place = -13; place <= 23; ++place) {
    const std::string words = PlaceWords(place);
    EXPECT_TRUE(seen.insert(words).second) << place << ": " << words;
    EXPECT_EQ(words.find_first_of("0123456789"), std::string::npos) << words;
  }
  EXPECT_EQ(PlaceWords(0), "on the first line");
  EXPECT_EQ(PlaceWords(3), "in the second space");
  EXPECT_EQ(PlaceWords(8), "on the fifth line");
  EXPECT_EQ(PlaceWords(-1), "in the space below the bottom line");
  EXPECT_EQ(PlaceWords(9), "in the space above the top line");
  EXPECT_EQ(PlaceWords(-2), "on the first ledger line below");
  EXPECT_EQ(PlaceWords(-3), "in the space below the first ledger line below");
  EXPECT_EQ(PlaceWords(12), "on the second ledger line above");
  EXPECT_EQ(PlaceWords(23), "in the space above the seventh ledger line above");
}

TEST(StaffWords, TheGrandStaffNamesTheStaffOfTheNoteAndTheLedgerLineBetween) {
  const auto note = [](int step, std::string sign = "") { return DrawnNote{step, std::move(sign)}; };
  const StaffWords words = DescribeStaff(Grand("#", 2, note(15, "#")));  // G#3
  EXPECT_EQ(words.staff, "Grand staff with a treble clef and a bass clef. Key signature of two sharps.");
  EXPECT_EQ(words.note, "The note is on the treble staff, on the second line. A sharp stands before it.");
  EXPECT_EQ(words.Whole(), words.staff + ' ' + words.note);

  EXPECT_EQ(DescribeStaff(Grand("b", 3, note(11))).note, "The note is on the ledger line between the staves.");
  EXPECT_EQ(DescribeStaff(Grand("b", 3, note(12))).note,
            "The note is on the treble staff, in the space below the bottom line.");
  EXPECT_EQ(DescribeStaff(Grand("b", 3, note(10, "n"))).note,
            "The note is on the bass staff, in the space above the top line. A natural sign stands before it.");
  EXPECT_EQ(DescribeStaff(Grand("b", 3, note(23, "b"))).note,
            "The note is on the treble staff, on the first ledger line above. A flat stands before it.");
  EXPECT_EQ(DescribeStaff(Grand("b", 3, std::nullopt)).Whole(),
            "Grand staff with a treble clef and a bass clef. Key signature of three flats. No note is shown.");
  // The chromatic scale draws no signature, whatever its count says; a count no key has says none either.
  EXPECT_EQ(DescribeStaff(Grand("", 0, note(0, " "))).Whole(),
            "Grand staff with a treble clef and a bass clef. No key signature. "
            "The note is on the bass staff, in the space below the bottom line.");
  EXPECT_EQ(DescribeStaff(Grand("#", 7, std::nullopt)).staff,
            "Grand staff with a treble clef and a bass clef. No key signature.");
}

TEST(StaffWords, AStaffOfItsOwnAndALineOfNotes) {
  StaffPicture alto{theory::Clef::Alto, "b", 1, DrawnNote{11, ""}, std::nullopt};  // C3, the alto clef's line
  EXPECT_EQ(DescribeStaff(alto).Whole(),
            "Staff with an alto clef. Key signature of one flat. The note is on the third line.");
  StaffPicture tenor{theory::Clef::Tenor, "#", 6, DrawnNote{3, "#"}, LinePosition{3, 6}};  // B#1
  EXPECT_EQ(DescribeStaff(tenor).Whole(),
            "Staff with a tenor clef. Key signature of six sharps. Reading note 3 of 6. "
            "The note is on the first ledger line below. A sharp stands before it.");
}

TEST(StaffWords, NeverNameTheNote) {
  for (theory::NoteSlot slot = 0; slot < theory::kNoteSlotCount; ++slot) {
    const auto& row = theory::SpelledNoteTable()[slot];
    const DrawnNote note{theory::LetterStep(slot), "#"};
    std::vector<StaffPicture> pictures{Grand("#", 1, note)};
    for (const auto& clef : theory::Clefs()) pictures.push_back({clef.clef, "b", 2, note, std::nullopt});
    for (const auto& picture : pictures) {
      const std::string words = DescribeStaff(picture).Whole();
      EXPECT_EQ(words.find(row.letterName), std::string::npos) << words;
      EXPECT_EQ(words.find(row.syllableName), std::string::npos) << words;
    }
  }
}

// Marks each translated text, so that a test sees which parts went through the catalogs.
class MarkingTranslator : public ui::Translator {
 public:
  std::string Translate(std::string_view, std::string_view text, std::string_view, int) const override {
    return "<" + std::string(text) + ">";
  }
};

TEST(StaffWords, WholeSentencesAreTranslatedAndFilledInAfterwards) {
  const MarkingTranslator marking;
  const ui::UseTranslator use(marking);
  const StaffWords words = DescribeStaff(Grand("b", 2, DrawnNote{24, "b"}));  // Bb4
  EXPECT_EQ(words.staff, "<Grand staff with a treble clef and a bass clef.> <Key signature of two flats.>");
  EXPECT_EQ(words.note,
            "<The note is on the treble staff, <in the space above the <first> ledger line above>.> "
            "<A flat stands before it.>");
}

}  // namespace
}  // namespace lintra::coach

#include "theory/clef.h"

#include <gtest/gtest.h>

#include <string>

#include "theory/note_range.h"

namespace lintra::theory {
namespace {

constexpr std::string_view kLettersFromF = "FGABCDE";

char LetterAt(Clef clef, int place) { return kLettersFromF[static_cast<std::size_t>(StepAt(clef, place) % 7)]; }

int StepOf(const char* name) { return LetterStep(*FindByLetterName(name)); }

std::array<int, kSignatureLength - 1> Moves(const std::array<int, kSignatureLength>& places) {
  std::array<int, kSignatureLength - 1> moves{};
  for (std::size_t i = 0; i + 1 < places.size(); ++i) moves[i] = places[i + 1] - places[i];
  return moves;
}

TEST(Clefs, EachMarksItsOwnNoteAndPlacesNotesFromItsBottomLine) {
  EXPECT_EQ(StepAt(Clef::Treble, InfoOf(Clef::Treble).ownLinePlace), StepOf("G3"));
  EXPECT_EQ(StepAt(Clef::Bass, InfoOf(Clef::Bass).ownLinePlace), StepOf("F2"));
  EXPECT_EQ(StepAt(Clef::Alto, InfoOf(Clef::Alto).ownLinePlace), StepOf("C3"));  // middle C, the middle line
  EXPECT_EQ(StepAt(Clef::Tenor, InfoOf(Clef::Tenor).ownLinePlace), StepOf("C3"));

  // The viola's low C hangs below one ledger line; the highest notes asked sit above two.
  EXPECT_EQ(PlaceOn(Clef::Alto, StepOf("C2")), -3);
  EXPECT_EQ(LedgerLinesAt(-3), 1);
  EXPECT_EQ(LedgerLinesAt(-1), 0);
  EXPECT_EQ(LedgerLinesAt(9), 0);
  EXPECT_EQ(LedgerLinesAt(PlaceOn(Clef::Tenor, StepOf("C4"))), 2);
  for (const ClefInfo& info : Clefs()) {
    SCOPED_TRACE(std::string(info.name));
    for (int slot = info.lowest; slot <= info.highest; ++slot) {
      const int place = PlaceOn(info.clef, LetterStep(static_cast<NoteSlot>(slot)));
      EXPECT_LE(LedgerLinesAt(place), 2) << slot;
    }
  }
}

TEST(Clefs, SignaturesStandOnTheirLettersOnTheStaffAsEachClefWritesThem) {
  for (const ClefInfo& info : Clefs()) {
    SCOPED_TRACE(std::string(info.name));
    for (std::size_t i = 0; i < kSignatureLength; ++i) {
      EXPECT_EQ(LetterAt(info.clef, info.sharpPlaces[i]), "FCGDAE"[i]);
      EXPECT_EQ(LetterAt(info.clef, info.flatPlaces[i]), "BEADGC"[i]);
      // On the staff, or in the space just above it (the treble clef's G sharp).
      for (const int place : {info.sharpPlaces[i], info.flatPlaces[i]}) {
        EXPECT_GE(place, 0);
        EXPECT_LE(place, 9);
      }
    }
    // Flats alternate up a fourth and down a fifth in every clef.
    EXPECT_EQ(Moves(info.flatPlaces), (std::array<int, 5>{3, -4, 3, -4, 3}));
  }
  // Sharps go down, up, down, down, up in the treble, bass and alto clefs; in the tenor clef,
  // whose first sharp would stand above the staff, they climb a fifth and fall a fourth.
  const std::array<int, 5> usual{-3, 4, -3, -3, 4};
  EXPECT_EQ(Moves(InfoOf(Clef::Treble).sharpPlaces), usual);
  EXPECT_EQ(Moves(InfoOf(Clef::Bass).sharpPlaces), usual);
  EXPECT_EQ(Moves(InfoOf(Clef::Alto).sharpPlaces), usual);
  EXPECT_EQ(Moves(InfoOf(Clef::Tenor).sharpPlaces), (std::array<int, 5>{4, -3, 4, -3, 4}));
}

TEST(NoteRange, OnlyKeysOfTheKeyboardInOrder) {
  EXPECT_EQ(MakeNoteRange(41, 83), NoteRange{});
  const auto middle = MakeNoteRange(60, 60);
  ASSERT_TRUE(middle.has_value());
  EXPECT_TRUE(middle->Contains(60));
  EXPECT_FALSE(middle->Contains(59));
  EXPECT_FALSE(middle->Contains(61));
  EXPECT_EQ(MakeNoteRange(61, 60), std::nullopt);
  EXPECT_EQ(MakeNoteRange(40, 60), std::nullopt);
  EXPECT_EQ(MakeNoteRange(60, 84), std::nullopt);
}

// What a student types for a bound of the range, in either octave numbering, and how it is shown.
TEST(NoteRange, KeysAreNamedAndTypedInTheOctavesChosen) {
  EXPECT_EQ(KeyOfName("C3", false), 60);
  EXPECT_EQ(KeyOfName(" f# 1 ", false), 42);
  EXPECT_EQ(KeyOfName("gb1", false), 42);
  EXPECT_EQ(KeyOfName("BB2", false), 58);
  EXPECT_EQ(KeyOfName("Cb2", false), 47);
  EXPECT_EQ(KeyOfName("C4", true), 60);
  EXPECT_EQ(KeyOfName("F2", true), 41);
  for (const char* off : {"E1", "C5", "F1", "", "H2", "C#", "C33", "Cx3"}) {
    EXPECT_EQ(KeyOfName(off, std::string_view(off) == "F1"), std::nullopt) << off;
  }
  EXPECT_EQ(NameOfKey(53, false), "F2");  // not E#2, which the table also spells
  EXPECT_EQ(NameOfKey(70, false), "A#3");
  EXPECT_EQ(NameOfKey(60, true), "C4");
  for (int midi = kLowestKeyMidi; midi <= kHighestKeyMidi; ++midi) {
    EXPECT_EQ(KeyOfName(NameOfKey(midi, true), true), midi);
  }
}

}  // namespace
}  // namespace lintra::theory

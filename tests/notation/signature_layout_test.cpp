#include "notation/signature_layout.h"

#include <gtest/gtest.h>

#include "notation/staff_layout.h"
#include "theory/clef.h"
#include "theory/note_table.h"

namespace lintra::notation {
namespace {

struct Expected {
  const char* treble;  // the note whose line or space the accidental marks on the treble staff
  const char* bass;
};

int StaffYOf(const char* letterName) {
  const auto slot = theory::FindByLetterName(letterName);
  EXPECT_TRUE(slot.has_value()) << letterName;
  return slot ? theory::SpelledNoteTable()[*slot].staffY : 0;
}

void CheckPlaces(const std::array<SignaturePlace, kMaxSignatureAccidentals>& places, const Expected (&notes)[6]) {
  for (std::size_t i = 0; i < places.size(); ++i) {
    SCOPED_TRACE(notes[i].treble);
    EXPECT_EQ(StaffYOf(notes[i].treble), places[i].trebleY);
    EXPECT_EQ(StaffYOf(notes[i].bass), places[i].bassY);
    EXPECT_EQ(places[i].trebleY + 56, places[i].bassY);
    // Eight pixels apart, except the sixth, which has to fit before the notes at x 74.
    EXPECT_EQ(i == 0 ? 24 : places[i - 1].x + (i == 5 ? 6 : 8), places[i].x);
  }
}

TEST(SignatureLayout, FlatsSitOnTheirNotesInSignatureOrder) {
  const Expected flats[6] = {{"Bb3", "Bb1"}, {"Eb4", "Eb2"}, {"Ab3", "Ab1"},
                             {"Db4", "Db2"}, {"Gb3", "Gb1"}, {"Cb4", "Cb2"}};
  CheckPlaces(FlatSignaturePlaces(), flats);
}

TEST(SignatureLayout, SharpsSitOnTheirNotesInSignatureOrder) {
  const Expected sharps[6] = {{"F#4", "F#2"}, {"C#4", "C#2"}, {"G#4", "G#2"},
                              {"D#4", "D#2"}, {"A#3", "A#1"}, {"E#4", "E#2"}};
  CheckPlaces(SharpSignaturePlaces(), sharps);
}

// A single treble or bass staff writes its signature where the grand staff does.
TEST(SignatureLayout, AgreesWithTheClefsOfASingleStaff) {
  const theory::ClefInfo& treble = theory::InfoOf(theory::Clef::Treble);
  const theory::ClefInfo& bass = theory::InfoOf(theory::Clef::Bass);
  for (std::size_t i = 0; i < kMaxSignatureAccidentals; ++i) {
    EXPECT_EQ(FlatSignaturePlaces()[i].trebleY, kTrebleStaffY - 4 * treble.flatPlaces[i]) << i;
    EXPECT_EQ(FlatSignaturePlaces()[i].bassY, kBassStaffY - 4 * bass.flatPlaces[i]) << i;
    EXPECT_EQ(SharpSignaturePlaces()[i].trebleY, kTrebleStaffY - 4 * treble.sharpPlaces[i]) << i;
    EXPECT_EQ(SharpSignaturePlaces()[i].bassY, kBassStaffY - 4 * bass.sharpPlaces[i]) << i;
  }
}

}  // namespace
}  // namespace lintra::notation

#include "theory/note_table.h"

#include <gtest/gtest.h>

#include <set>

namespace lintra::theory {
namespace {

struct ReferenceRow {
  const char* letterName;
  NoteKind kind;
  const char* syllableName;
  int midiNote;
  int staffY;
};

constexpr NoteKind N = NoteKind::Natural;
constexpr NoteKind S = NoteKind::Sharp;
constexpr NoteKind F = NoteKind::Flat;

// The published table of the 73 spelled notes, kept independent of the rules the code builds it from.
constexpr ReferenceRow kReference[] = {
    {"F1", N, "Fá1", 41, 72},        // 0
    {"F#1", S, "Fá#1", 42, 72},      // 1
    {"Gb1", F, "Sol(b)1", 42, 68},   // 2
    {"G1", N, "Sol1", 43, 68},       // 3
    {"G#1", S, "Sol#1", 44, 68},     // 4
    {"Ab1", F, "Lá(b)1", 44, 64},    // 5
    {"A1", N, "Lá1", 45, 64},        // 6
    {"A#1", S, "Lá#1", 46, 64},      // 7
    {"Bb1", F, "Si(b)1", 46, 60},    // 8
    {"B1", N, "Si1", 47, 60},        // 9
    {"B#1", S, "Si#1", 48, 60},      // 10
    {"Cb2", F, "Dó(b)2", 47, 56},    // 11
    {"C2", N, "Dó2", 48, 56},        // 12
    {"C#2", S, "Dó#2", 49, 56},      // 13
    {"Db2", F, "Ré(b)2", 49, 52},    // 14
    {"D2", N, "Ré2", 50, 52},        // 15
    {"D#2", S, "Ré#2", 51, 52},      // 16
    {"Eb2", F, "Mi(b)2", 51, 48},    // 17
    {"E2", N, "Mi2", 52, 48},        // 18
    {"E#2", S, "Mi#2", 53, 48},      // 19
    {"Fb2", F, "Fá(b)2", 52, 44},    // 20
    {"F2", N, "Fá2", 53, 44},        // 21
    {"F#2", S, "Fá#2", 54, 44},      // 22
    {"Gb2", F, "Sol(b)2", 54, 40},   // 23
    {"G2", N, "Sol2", 55, 40},       // 24
    {"G#2", S, "Sol#2", 56, 40},     // 25
    {"Ab2", F, "Lá(b)2", 56, 36},    // 26
    {"A2", N, "Lá2", 57, 36},        // 27
    {"A#2", S, "Lá#2", 58, 36},      // 28
    {"Bb2", F, "Si(b)2", 58, 32},    // 29
    {"B2", N, "Si2", 59, 32},        // 30
    {"B#2", S, "Si#2", 60, 32},      // 31
    {"Cb3", F, "Dó(b)3", 59, 28},    // 32
    {"C3", N, "Dó3", 60, 28},        // 33
    {"C#3", S, "Dó#3", 61, 28},      // 34
    {"Db3", F, "Ré(b)3", 61, 24},    // 35
    {"D3", N, "Ré3", 62, 24},        // 36
    {"D#3", S, "Ré#3", 63, 24},      // 37
    {"Eb3", F, "Mi(b)3", 63, 20},    // 38
    {"E3", N, "Mi3", 64, 20},        // 39
    {"E#3", S, "Mi#3", 65, 20},      // 40
    {"Fb3", F, "Fá(b)3", 64, 16},    // 41
    {"F3", N, "Fá3", 65, 16},        // 42
    {"F#3", S, "Fá#3", 66, 16},      // 43
    {"Gb3", F, "Sol(b)3", 66, 12},   // 44
    {"G3", N, "Sol3", 67, 12},       // 45
    {"G#3", S, "Sol#3", 68, 12},     // 46
    {"Ab3", F, "Lá(b)3", 68, 8},     // 47
    {"A3", N, "Lá3", 69, 8},         // 48
    {"A#3", S, "Lá#3", 70, 8},       // 49
    {"Bb3", F, "Si(b)3", 70, 4},     // 50
    {"B3", N, "Si3", 71, 4},         // 51
    {"B#3", S, "Si#3", 72, 4},       // 52
    {"Cb4", F, "Dó(b)4", 71, 0},     // 53
    {"C4", N, "Dó4", 72, 0},         // 54
    {"C#4", S, "Dó#4", 73, 0},       // 55
    {"Db4", F, "Ré(b)4", 73, -4},    // 56
    {"D4", N, "Ré4", 74, -4},        // 57
    {"D#4", S, "Ré#4", 75, -4},      // 58
    {"Eb4", F, "Mi(b)4", 75, -8},    // 59
    {"E4", N, "Mi4", 76, -8},        // 60
    {"E#4", S, "Mi#4", 77, -8},      // 61
    {"Fb4", F, "Fá(b)4", 76, -12},   // 62
    {"F4", N, "Fá4", 77, -12},       // 63
    {"F#4", S, "Fá#4", 78, -12},     // 64
    {"Gb4", F, "Sol(b)4", 78, -16},  // 65
    {"G4", N, "Sol4", 79, -16},      // 66
    {"G#4", S, "Sol#4", 80, -16},    // 67
    {"Ab4", F, "Lá(b)4", 80, -20},   // 68
    {"A4", N, "Lá4", 81, -20},       // 69
    {"A#4", S, "Lá#4", 82, -20},     // 70
    {"Bb4", F, "Si(b)4", 82, -24},   // 71
    {"B4", N, "Si4", 83, -24},       // 72
};

TEST(SpelledNoteTable, MatchesThePublishedTableRowByRow) {
  const auto& table = SpelledNoteTable();
  ASSERT_EQ(std::size(kReference), table.size());
  for (std::size_t slot = 0; slot < table.size(); ++slot) {
    SCOPED_TRACE("slot " + std::to_string(slot));
    const ReferenceRow& want = kReference[slot];
    EXPECT_EQ(want.letterName, table[slot].letterName);
    EXPECT_EQ(want.kind, table[slot].kind);
    EXPECT_EQ(want.syllableName, table[slot].syllableName);
    EXPECT_EQ(want.midiNote, static_cast<int>(table[slot].midiNote));
    EXPECT_EQ(want.staffY, table[slot].staffY);
  }
}

TEST(SpelledNoteTable, EnharmonicSpellingsShareAKeyButNotAHeight) {
  const auto& table = SpelledNoteTable();
  // Between letters a whole tone apart, the sharp of one and the flat of the next are one key;
  // across the half steps B-C and E-F, B# sounds as C and Cb as B, a half step apart.
  for (std::size_t step = 0; step < 24; ++step) {
    const auto& sharp = table[3 * step + 1];
    const auto& flat = table[3 * step + 2];
    SCOPED_TRACE(sharp.letterName + " / " + flat.letterName);
    const bool halfStep = sharp.letterName[0] == 'B' || sharp.letterName[0] == 'E';
    EXPECT_EQ(static_cast<int>(sharp.midiNote), flat.midiNote + (halfStep ? 1 : 0));
    EXPECT_EQ(flat.staffY, sharp.staffY - 4);
  }
  // White-key enharmonics cross the octave digit with the written letter.
  EXPECT_EQ(table[*FindByLetterName("C2")].midiNote, table[*FindByLetterName("B#1")].midiNote);
  EXPECT_EQ(table[*FindByLetterName("B1")].midiNote, table[*FindByLetterName("Cb2")].midiNote);
  EXPECT_EQ(60, table[*FindByLetterName("B#1")].staffY);
  EXPECT_EQ(56, table[*FindByLetterName("Cb2")].staffY);
  EXPECT_EQ(table[*FindByLetterName("F2")].midiNote, table[*FindByLetterName("E#2")].midiNote);
  EXPECT_EQ(table[*FindByLetterName("E2")].midiNote, table[*FindByLetterName("Fb2")].midiNote);
  EXPECT_EQ(60, table[*FindByLetterName("C3")].midiNote);
}

TEST(SpelledNoteTable, EveryKeyOfTheKeyboardIsSpelledAtLeastOnce) {
  std::set<int> midiNotes;
  for (const auto& note : SpelledNoteTable()) {
    midiNotes.insert(note.midiNote);
  }
  EXPECT_EQ(43u, midiNotes.size());
  EXPECT_EQ(41, *midiNotes.begin());
  EXPECT_EQ(83, *midiNotes.rbegin());
}

TEST(FindByLetterName, FindsEveryRowAndNothingElse) {
  const auto& table = SpelledNoteTable();
  for (std::size_t slot = 0; slot < table.size(); ++slot) {
    const auto found = FindByLetterName(table[slot].letterName);
    ASSERT_TRUE(found.has_value()) << table[slot].letterName;
    EXPECT_EQ(slot, *found);
  }
  for (const char* unknown : {"", "f1", "BB4", "B#4", "Cb5", "E1", "C3 ", "Fá1", "H2"}) {
    EXPECT_FALSE(FindByLetterName(unknown).has_value()) << '"' << unknown << '"';
  }
}

}  // namespace
}  // namespace lintra::theory

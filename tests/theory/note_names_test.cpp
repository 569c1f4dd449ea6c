#include "theory/note_names.h"

#include <gtest/gtest.h>

namespace lintra::theory {
namespace {

struct AccidentalCase {
  NoteKind kind;
  bool chromatic;
  bool playKeyboard;
  const char* current;
  const char* expected;
};

TEST(AccidentalGlyph, FollowsTheExerciseInForce) {
  const AccidentalCase cases[] = {
      // The chromatic questions mark every note, naturals with the natural sign.
      {NoteKind::Natural, true, false, "", "n"},
      {NoteKind::Sharp, true, false, "", "#"},
      {NoteKind::Flat, true, false, " ", "b"},
      // The reverse exercise runs with the chromatic item checked: naturals lose the sign.
      {NoteKind::Natural, true, true, "#", ""},
      {NoteKind::Sharp, true, true, "", "#"},
      {NoteKind::Flat, true, true, "", "b"},
      // Play-keyboard alone only empties naturals; accidentals keep what they had.
      {NoteKind::Natural, false, true, "n", ""},
      {NoteKind::Sharp, false, true, " ", " "},
      // A key in force: whatever the question cycle set (leading-tone sign, blank or nothing).
      {NoteKind::Sharp, false, false, "#", "#"},
      {NoteKind::Natural, false, false, "n", "n"},
      {NoteKind::Natural, false, false, " ", " "},
      {NoteKind::Flat, false, false, "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, AccidentalGlyph(c.kind, c.chromatic, c.playKeyboard, c.current))
        << "kind " << static_cast<int>(c.kind) << " chromatic " << c.chromatic << " play " << c.playKeyboard
        << " current '" << c.current << "'";
  }
}

TEST(DisplayNameFor, LettersSyllablesAndUnknownNames) {
  EXPECT_EQ("G#3", DisplayNameFor("G#3", true, "old"));
  EXPECT_EQ("Bb3", DisplayNameFor("Bb3", true, "old"));
  EXPECT_EQ("Sol#3", DisplayNameFor("G#3", false, "old"));
  EXPECT_EQ("Si(b)3", DisplayNameFor("Bb3", false, "old"));
  EXPECT_EQ(
      "D\xC3\xB3"
      "3",
      DisplayNameFor("C3", false, ""));
  // Before the first note there is no spelled name: the shown name stays as it was.
  EXPECT_EQ("", DisplayNameFor("", false, ""));
  EXPECT_EQ("Mi2", DisplayNameFor("", false, "Mi2"));
  EXPECT_EQ("Mi2", DisplayNameFor("g#3", false, "Mi2"));
  // Letter mode shows the spelled name as it is, even an empty one.
  EXPECT_EQ("", DisplayNameFor("", true, "Mi2"));
}

TEST(WhiteKeyCaption, NamesEveryWhiteKeyAndNoBlackKey) {
  const char* letters[] = {"C", "", "D", "", "E", "F", "", "G", "", "A", "", "B"};
  const char* syllables[] = {"D\xC3\xB3", "", "R\xC3\xA9", "", "Mi", "F\xC3\xA1", "", "Sol", "", "L\xC3\xA1", "", "Si"};
  int whiteKeys = 0;
  for (int midi = 41; midi <= 83; ++midi) {
    const auto note = static_cast<std::uint8_t>(midi);
    EXPECT_EQ(letters[midi % 12], WhiteKeyCaption(note, false)) << midi;
    EXPECT_EQ(syllables[midi % 12], WhiteKeyCaption(note, true)) << midi;
    whiteKeys += WhiteKeyCaption(note, false).empty() ? 0 : 1;
  }
  EXPECT_EQ(25, whiteKeys);
  EXPECT_EQ("F", WhiteKeyCaption(41, false));
  EXPECT_EQ("Si", WhiteKeyCaption(83, true));
}

}  // namespace
}  // namespace lintra::theory

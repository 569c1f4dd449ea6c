#include "notation/staff_painter.h"

#include <gtest/gtest.h>

#include <vector>

#include "notation/line_painter.h"
#include "testing/recording_canvas.h"
#include "theory/note_table.h"

namespace lintra::notation {
namespace {

struct Placed {
  std::string text;
  int x;
  int y;
  bool operator==(const Placed&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Placed& p) {
  return out << '"' << p.text << "\" at (" << p.x << ", " << p.y << ')';
}

std::vector<Placed> Places(const std::vector<DrawCall>& calls, std::size_t from = 0) {
  std::vector<Placed> placed;
  for (std::size_t i = from; i < calls.size(); ++i) {
    placed.push_back({calls[i].text, calls[i].x, calls[i].y});
  }
  return placed;
}

// The five draws every staff starts with: clearing cell, two staves, two clefs.
constexpr std::size_t kStaffDraws = 5;

class StaffPainterTest : public ::testing::Test {
 protected:
  std::vector<Placed> SignatureOf(std::string_view kind, std::int8_t count) {
    canvas.Clear();
    painter.DrawStaff(kind, count);
    return Places(canvas.Calls(), kStaffDraws);
  }
  std::vector<Placed> Note(std::string_view accidental, int y, std::int32_t& x) {
    const std::size_t from = canvas.Calls().size();
    painter.DrawNote(accidental, y, x);
    return Places(canvas.Calls(), from);
  }

  RecordingCanvas canvas;
  StaffPainter painter{canvas};
};

TEST_F(StaffPainterTest, StaffClearsThreeCellsThenDrawsBothClefs) {
  painter.DrawStaff(" ", 0);
  const std::vector<DrawCall> expected = {
      {"=======", 0, 0, TextColour::White, true, "Partita", 24},
      {"=======", 0, 20, TextColour::Black, true, "Partita", 24},
      {"=======", 0, 68, TextColour::Black, true, "Partita", 24},
      {"?", 0, 44, TextColour::Black, false, "Partita", 24},
      {"&", 0, 12, TextColour::Black, false, "Partita", 24},
  };
  EXPECT_EQ(expected, canvas.Calls());
}

TEST_F(StaffPainterTest, SixFlatsEndWithCFlatSqueezedIn) {
  const std::vector<Placed> expected = {
      {"b", 24, 4},  {"b", 24, 60}, {"b", 32, -8}, {"b", 32, 48}, {"b", 40, 8}, {"b", 40, 64},
      {"b", 48, -4}, {"b", 48, 52}, {"b", 56, 12}, {"b", 56, 68}, {"b", 62, 0}, {"b", 62, 56},
  };
  EXPECT_EQ(expected, SignatureOf("b", 6));
  for (const DrawCall& call : canvas.Calls()) {
    if (call.text == "b") {
      EXPECT_FALSE(call.opaque);
      EXPECT_EQ(TextColour::Black, call.colour);
    }
  }
}

TEST_F(StaffPainterTest, SharpSignatures) {
  const std::vector<Placed> five = {
      {"#", 24, -12}, {"#", 24, 44}, {"#", 32, 0},  {"#", 32, 56}, {"#", 40, -16},
      {"#", 40, 40},  {"#", 48, -4}, {"#", 48, 52}, {"#", 56, 8},  {"#", 56, 64},
  };
  EXPECT_EQ(five, SignatureOf("#", 5));
  std::vector<Placed> six = five;
  six.push_back({"#", 62, -8});
  six.push_back({"#", 62, 48});
  EXPECT_EQ(six, SignatureOf("#", 6));
}

TEST_F(StaffPainterTest, SignatureCountIsClampedAndSigned) {
  EXPECT_EQ(SignatureOf("b", 6), SignatureOf("b", 7));
  EXPECT_EQ(SignatureOf("#", 6), SignatureOf("#", 127));
  EXPECT_EQ(2u, SignatureOf("b", 1).size());
  EXPECT_TRUE(SignatureOf("b", 0).empty());
  EXPECT_TRUE(SignatureOf("#", -1).empty());
  EXPECT_TRUE(SignatureOf("#", -128).empty());
}

TEST_F(StaffPainterTest, OtherKindsDrawNoSignature) {
  for (std::string_view kind : {"n", " ", "", "bb", "B", "##"}) {
    EXPECT_TRUE(SignatureOf(kind, 4).empty()) << '"' << kind << '"';
    EXPECT_EQ(kStaffDraws, canvas.Calls().size());
  }
}

TEST_F(StaffPainterTest, NoteFollowsItsAccidentalAndAdvancesTheCursor) {
  std::int32_t x = 0;
  EXPECT_EQ((std::vector<Placed>{{"#", 74, 8}, {"w", 82, 8}}), Note("#", 8, x));
  EXPECT_EQ(22, x);
  EXPECT_EQ((std::vector<Placed>{{"n", 96, 52}, {"w", 104, 52}}), Note("n", 52, x));
  EXPECT_EQ(44, x);
}

TEST_F(StaffPainterTest, EmptyAccidentalIsSkippedButTheBlankIsDrawn) {
  std::int32_t x = 0;
  EXPECT_EQ((std::vector<Placed>{{"w", 82, 4}}), Note("", 4, x));
  x = 0;
  EXPECT_EQ((std::vector<Placed>{{" ", 74, 4}, {"w", 82, 4}}), Note(" ", 4, x));
  EXPECT_EQ(22, x);
}

TEST_F(StaffPainterTest, LedgerLines) {
  struct Case {
    int y;
    std::vector<Placed> expected;
  };
  const Case cases[] = {
      {-24, {{"--", 79, -20}, {"w", 82, -24}}},  // B4 hangs below its ledger line
      {-20, {{"--", 79, -20}, {"w", 82, -20}}},  // A4 on it
      {28, {{"--", 79, 28}, {"w", 82, 28}}},     // middle C
      {24, {{"w", 82, 24}}},
      {32, {{"w", 82, 32}}},
      {72, {{"w", 82, 72}}},
      {-16, {{"w", 82, -16}}},
  };
  for (const Case& c : cases) {
    std::int32_t x = 0;
    EXPECT_EQ(c.expected, Note("", c.y, x)) << "y " << c.y;
  }
}

TEST_F(StaffPainterTest, NoteKeepsTheFontAndColourTheStaffLeft) {
  painter.DrawStaff("#", 1);
  std::int32_t x = 0;
  painter.DrawNote("#", -24, x);
  for (std::size_t i = canvas.Calls().size() - 3; i < canvas.Calls().size(); ++i) {
    const DrawCall& call = canvas.Calls()[i];
    EXPECT_EQ("Partita", call.fontName);
    EXPECT_EQ(24, call.pointSize);
    EXPECT_EQ(TextColour::Black, call.colour);
    EXPECT_FALSE(call.opaque);
  }
}

TEST_F(StaffPainterTest, NoteNeverClears) {
  std::int32_t x = 0;
  painter.DrawNote("b", 28, x);
  x = 0;
  painter.DrawNote("b", 28, x);
  for (const DrawCall& call : canvas.Calls()) {
    EXPECT_FALSE(call.opaque) << call.text;
  }
  EXPECT_EQ(6u, canvas.Calls().size());
}

TEST_F(StaffPainterTest, SingleStaffClearsTheAreaAndWritesItsClefAndSignatureAsItsClefPlacesThem) {
  painter.DrawStaff(StaffLayout::Single(theory::Clef::Alto), "#", 2);
  const std::vector<DrawCall> alto = {
      {"=======", 0, 0, TextColour::White, true, "Partita", 24},
      {"=======", 0, 70, TextColour::White, true, "Partita", 24},  // with the first, to the bottom edge
      {"=======", 0, 41, TextColour::Black, true, "Partita", 24},
      {"B", 0, 25, TextColour::Black, false, "Partita", 24},   // the C clef on the middle line
      {"#", 24, 13, TextColour::Black, false, "Partita", 24},  // F on the fourth space
      {"#", 32, 25, TextColour::Black, false, "Partita", 24},  // C on the middle line
  };
  EXPECT_EQ(alto, canvas.Calls());

  canvas.Clear();
  painter.DrawStaff(StaffLayout::Single(theory::Clef::Tenor), "b", 2);
  EXPECT_EQ((std::vector<Placed>{{"B", 0, 17}, {"b", 24, 21}, {"b", 32, 9}}), Places(canvas.Calls(), 3));

  // The grand staff is drawn as ever.
  canvas.Clear();
  painter.DrawStaff(StaffLayout::Grand(), "b", 3);
  const std::vector<DrawCall> grand = canvas.Calls();
  canvas.Clear();
  painter.DrawStaff("b", 3);
  EXPECT_EQ(grand, canvas.Calls());
}

TEST_F(StaffPainterTest, LayoutsGiveTheLedgerLinesTheNotesDrawnAloneGet) {
  const StaffLayout grand = StaffLayout::Grand();
  for (theory::NoteSlot slot = 0; slot < theory::kNoteSlotCount; ++slot) {
    const int y = grand.NoteY(slot);
    EXPECT_EQ(y, theory::SpelledNoteTable()[slot].staffY);
    std::int32_t x = 0;
    std::vector<int> drawn;
    for (const Placed& placed : Note("", y, x)) {
      if (placed.text == "--") drawn.push_back(placed.y);
    }
    EXPECT_EQ(drawn, grand.LedgerLineYs(y)) << theory::SpelledNoteTable()[slot].letterName;
  }
  // Alto: E4 above two ledger lines, C2 below one, from the staff outwards.
  const StaffLayout alto = StaffLayout::Single(theory::Clef::Alto);
  EXPECT_EQ(alto.LedgerLineYs(alto.NoteY(*theory::FindByLetterName("E4"))), (std::vector<int>{1, -7}));
  EXPECT_EQ(alto.LedgerLineYs(alto.NoteY(*theory::FindByLetterName("C2"))), std::vector<int>{49});
  EXPECT_TRUE(alto.LedgerLineYs(alto.NoteY(*theory::FindByLetterName("E2"))).empty());
  EXPECT_GT(alto.MarkY(), alto.NoteY(*theory::FindByLetterName("C2")));
}

TEST_F(StaffPainterTest, LineMarksEachNoteByItsStateAndCutsLedgerLinesBesideAccidentals) {
  const theory::NoteSlot d2 = *theory::FindByLetterName("D2");  // on the alto's first ledger line below
  const theory::NoteSlot c3 = *theory::FindByLetterName("C3");
  const std::vector<LineNote> notes{{c3, "", NoteState::Right},
                                    {d2, "n", NoteState::Wrong},
                                    {d2, "n", NoteState::Reading},
                                    {c3, "", NoteState::Ahead}};
  const StaffLayout alto = StaffLayout::Single(theory::Clef::Alto);
  DrawLine(canvas, alto, "b", 6, notes);
  const std::vector<int> x = LineHeadXs(4, "b", 6);
  const int mark = alto.MarkY();
  const std::vector<DrawCall> expected{
      {"w", x[0], 25, TextColour::Green, false, "Partita", 24},
      {"n", x[1] - 8, 49, TextColour::Vermillion, false, "Partita", 24},
      // Cut on the left for its own natural; the next natural is far enough off.
      {"[", x[1] - 3, 49, TextColour::Black, false, "Partita", 24},
      {"w", x[1], 49, TextColour::Vermillion, false, "Partita", 24},
      {"x", x[1], mark, TextColour::Vermillion, false, "Partita", 24},
      {"n", x[2] - 8, 49, TextColour::Blue, false, "Partita", 24},
      {"[", x[2] - 3, 49, TextColour::Black, false, "Partita", 24},
      {"w", x[2], 49, TextColour::Blue, false, "Partita", 24},
      {"^", x[2], mark, TextColour::Blue, false, "Partita", 24},
      {"w", x[3], 25, TextColour::Black, false, "Partita", 24},
  };
  constexpr std::size_t kStaffClefAndSixFlats = 10;
  EXPECT_EQ(expected, std::vector<DrawCall>(canvas.Calls().begin() + kStaffClefAndSixFlats, canvas.Calls().end()));

  // Eight notes after six flats stand close: the ledger line of the first is cut on both sides.
  canvas.Clear();
  const std::vector<LineNote> close(8, {d2, "n", NoteState::Ahead});
  DrawLine(canvas, alto, "b", 6, close);
  EXPECT_EQ("|", canvas.Calls()[kStaffClefAndSixFlats + 1].text);
  EXPECT_EQ("[", canvas.Calls()[canvas.Calls().size() - 2].text);  // the last one, with none after it
}

}  // namespace
}  // namespace lintra::notation

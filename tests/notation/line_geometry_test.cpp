// Lines of notes as the music font draws them: for every key, clef range and line length, every
// two notes the line may hold, side by side at the start and at the end of the line, keep clear of
// each other, of the clef and key signature and of the edges of the staff area.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainterPath>
#include <QRectF>
#include <map>
#include <string>
#include <vector>

#include "notation/image_canvas.h"
#include "notation/line_painter.h"
#include "notation/music_font.h"
#include "practice/answer_record.h"
#include "practice/reading_line.h"
#include "practice/staff_place.h"
#include "testing/recording_canvas.h"
#include "theory/keys.h"

namespace lintra::notation {
namespace {

constexpr int kSignature = -1;  // the owner of the clef's and the key signature's ink

struct Ink {
  QRectF box;
  int owner;  // the note's index, or kSignature
  std::string text;
};

// The outlines' bounds at the design size, measured once per text: the font's metrics round
// them out to whole pixels, by more than the room the check is about.
QRectF InkOf(const DrawCall& call) {
  static std::map<std::string, QRectF> boxes;
  auto found = boxes.find(call.text);
  if (found == boxes.end()) {
    const QFont font = FontFor(call.Style());
    QPainterPath outline;
    outline.addText(0, QFontMetricsF(font).ascent(), font, QString::fromStdString(call.text));
    found = boxes.emplace(call.text, outline.boundingRect()).first;
  }
  return found->second.translated(call.x, call.y);
}

std::vector<Ink> InksOf(const std::vector<DrawCall>& calls, const std::vector<int>& heads) {
  std::vector<Ink> inks;
  for (const DrawCall& call : calls) {
    if (call.opaque || call.text == " ") continue;  // the staves and the clearing cells
    int owner = kSignature;
    for (std::size_t i = 0; i < heads.size(); ++i) {
      if (call.x >= heads[i] - 8 && call.x <= heads[i]) owner = static_cast<int>(i);
    }
    inks.push_back({InkOf(call), owner, call.text});
  }
  return inks;
}

bool IsLedger(const std::string& text) { return text == "--" || text == "[" || text == "]" || text == "|"; }
bool IsAccidental(const std::string& text) { return text == "#" || text == "b" || text == "n"; }

// A note's accidental keeps clear of its own ledger lines too; its other parts meet by design.
bool MayMeet(const Ink& a, const Ink& b) {
  return a.owner == b.owner && !(IsLedger(a.text) && IsAccidental(b.text)) &&
         !(IsAccidental(a.text) && IsLedger(b.text));
}

// Where the ink of two owners comes closer than a pixel, or leaves the staff area.
std::string Clash(const std::vector<Ink>& inks) {
  const QRectF area(0, 0, kAreaWidth, kAreaHeight);
  for (std::size_t i = 0; i < inks.size(); ++i) {
    if (!area.contains(inks[i].box)) return "\"" + inks[i].text + "\" leaves the staff area";
    for (std::size_t j = i + 1; j < inks.size(); ++j) {
      if (MayMeet(inks[i], inks[j])) continue;
      const QRectF& a = inks[i].box;
      const QRectF& b = inks[j].box;
      const bool apart = a.right() + 1 <= b.left() || b.right() + 1 <= a.left() || a.bottom() + 1 <= b.top() ||
                         b.bottom() + 1 <= a.top();
      if (!apart) return "\"" + inks[i].text + "\" touches \"" + inks[j].text + "\"";
    }
  }
  return {};
}

StaffLayout LayoutOf(practice::ClefRange range) {
  const auto clef = practice::CClefOf(range);
  return clef ? StaffLayout::Single(*clef) : StaffLayout::Grand();
}

class LineGeometry : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!MusicFontAvailable()) GTEST_SKIP() << "no music font: assets/fonts/LintraMusic.ttf was not embedded";
  }
};

TEST_F(LineGeometry, NoNoteTouchesAnotherOrTheSignatureInAnyKeyClefAndLength) {
  std::vector<theory::KeyId> items{theory::KeyId::Chromatic};
  for (const theory::KeyInfo& key : theory::Keys()) items.push_back(key.id);
  const practice::ClefRange ranges[] = {practice::ClefRange::Treble, practice::ClefRange::Bass,
                                        practice::ClefRange::Grand, practice::ClefRange::Alto,
                                        practice::ClefRange::Tenor};
  int lines = 0;
  for (const theory::KeyId item : items) {
    const theory::KeyInfo* key = theory::FindKey(item);
    const std::string_view kind = key ? key->signatureKind : " ";
    const std::int8_t count = key ? key->signatureCount : 0;
    for (const auto range : ranges) {
      const auto candidates = practice::LineCandidates(
          key ? std::span<const theory::NoteSlot>(key->pool) : std::span<const theory::NoteSlot>(), key == nullptr,
          range, {});
      ASSERT_FALSE(candidates.empty()) << theory::Code(item);
      for (const std::size_t length : practice::kLineLengths) {
        const std::vector<int> heads = LineHeadXs(length, kind, count);
        for (std::size_t i = 1; i + 1 < heads.size(); ++i) {
          EXPECT_LE(std::abs((heads[i + 1] - heads[i]) - (heads[i] - heads[i - 1])), 1)
              << "uneven: " << theory::Code(item);
        }
        for (const auto a : candidates) {
          for (const auto b : candidates) {
            std::vector<LineNote> notes;
            for (std::size_t i = 0; i < length; ++i) {
              const auto slot = i % 2 == 0 ? a : b;
              const NoteState state = i == 0 ? NoteState::Wrong : i == 1 ? NoteState::Reading : NoteState::Ahead;
              notes.push_back({slot, std::string(practice::DrawnSign(item, slot)), state});
            }
            RecordingCanvas canvas;
            DrawLine(canvas, LayoutOf(range), kind, count, notes);
            const std::string clash = Clash(InksOf(canvas.Calls(), heads));
            ASSERT_EQ(clash, "") << theory::Code(item) << ", clef range " << practice::Code(range) << ", " << length
                                 << " notes, " << theory::SpelledNoteTable()[a].letterName << " and "
                                 << theory::SpelledNoteTable()[b].letterName;
            ++lines;
          }
        }
      }
    }
  }
  EXPECT_GT(lines, 50000) << lines;
}

TEST_F(LineGeometry, TheCheckSeesNotesThatTouch) {
  RecordingCanvas canvas;
  const std::vector<LineNote> notes{{36, "", NoteState::Ahead}, {36, "#", NoteState::Ahead}};
  DrawLine(canvas, StaffLayout::Grand(), " ", 0, notes);
  std::vector<DrawCall> calls = canvas.Calls();
  EXPECT_EQ(Clash(InksOf(calls, LineHeadXs(2, " ", 0))), "");
  // The second note moved up against the first one.
  const std::vector<int> close{LineHeadXs(2, " ", 0)[0], LineHeadXs(2, " ", 0)[0] + 20};
  calls.erase(calls.end() - 2, calls.end());
  calls.push_back(DrawCall::Of(close[1] - 8, 24, "#", calls.back().Style()));
  calls.push_back(DrawCall::Of(close[1], 24, "w", calls.back().Style()));
  EXPECT_NE(Clash(InksOf(calls, close)), "");
}

}  // namespace
}  // namespace lintra::notation

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

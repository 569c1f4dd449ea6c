#include "notation/line_painter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "notation/music_glyphs.h"
#include "notation/signature_layout.h"
#include "notation/staff_painter.h"

namespace lintra::notation {
namespace {

// A note's parts around the x of its head, as the staff painter draws them.
constexpr int kAccidentalBeforeHead = 8;
constexpr int kLedgerBeforeHead = 3;
constexpr double kHeadCentre = 6.6;  // half the head's width
constexpr int kLedgerPastHead = 17;  // where "--" ends
constexpr double kRightEdge = kAreaWidth - 1;
constexpr int kSignaturePitch = 8;
// How far above or below its own line or space an accidental reaches.
constexpr int kAccidentalReach = 16;
// The room a full ledger line leaves before the next note's accidental or ledger line at its
// height; where the next note comes closer, the ledger line is cut short at its head. A ledger
// line within reach of its own note's accidental is cut short on the left.
constexpr int kLedgerClearance = 2;

TextColour InkOf(NoteState state) {
  switch (state) {
    case NoteState::Ahead:
      break;
    case NoteState::Reading:
      return TextColour::Blue;
    case NoteState::Right:
      return TextColour::Green;
    case NoteState::Wrong:
      return TextColour::Vermillion;
  }
  return TextColour::Black;
}

bool Shows(std::string_view accidental) { return !accidental.empty() && accidental != " "; }

struct Placed {
  const LineNote* note;
  int x;
  int y;
};

bool Crowded(const StaffLayout& layout, const Placed& note, int ledgerY, const Placed& next) {
  if (next.note == nullptr) return false;
  int left = next.x + kLedgerPastHead + kLedgerClearance;  // nothing in the way
  if (Shows(next.note->accidental) && std::abs(next.y - ledgerY) <= kAccidentalReach) {
    left = next.x - kAccidentalBeforeHead;
  } else {
    for (const int y : layout.LedgerLineYs(next.y)) {
      if (y == ledgerY) left = next.x - kLedgerBeforeHead;
    }
  }
  return left - (note.x + kLedgerPastHead) < kLedgerClearance;
}

}  // namespace

std::vector<int> LineHeadXs(std::size_t count, std::string_view signatureKind, std::int8_t signatureCount) {
  std::vector<int> xs;
  if (count == 0) return xs;
  const int length = SignatureLength(signatureKind, signatureCount);
  const auto& places = FlatSignaturePlaces();
  // The first note's accidental takes the place a further accidental of the signature would.
  const double start =
      length == 0 ? places.front().x : places[static_cast<std::size_t>(length - 1)].x + kSignaturePitch;
  const double share = (kRightEdge - start) / static_cast<double>(count);
  const double first = std::max(start + kAccidentalBeforeHead, start + share / 2 - kHeadCentre);
  const double last = std::min(kRightEdge - kLedgerPastHead, kRightEdge - share / 2 - kHeadCentre);
  const double pitch = count > 1 ? (last - first) / static_cast<double>(count - 1) : 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    xs.push_back(static_cast<int>(std::lround(first + pitch * static_cast<double>(i))));
  }
  return xs;
}

namespace {

// Draws in the music font without clearing, as the staff painter left its style.
class Ink {
 public:
  Ink(Canvas& canvas, TextStyle style) : canvas_(canvas), style_(std::move(style)) { style_.opaque = false; }
  void operator()(int x, int y, std::string_view text, TextColour colour) {
    style_.colour = colour;
    canvas_.DrawText(x, y, text, style_);
  }

 private:
  Canvas& canvas_;
  TextStyle style_;
};

// A note's accidental, ledger lines and head; a ledger line is cut short where `next` comes close.
void DrawPlaced(Ink& draw, const StaffLayout& layout, const Placed& note, TextColour colour, const Placed& next) {
  if (!note.note->accidental.empty()) draw(note.x - kAccidentalBeforeHead, note.y, note.note->accidental, colour);
  for (const int ledgerY : layout.LedgerLineYs(note.y)) {
    const bool left = Shows(note.note->accidental) && std::abs(note.y - ledgerY) <= kAccidentalReach;
    const bool right = Crowded(layout, note, ledgerY, next);
    const std::string_view ledger = left ? (right ? glyph::kLedgerCutBoth : glyph::kLedgerCutLeft)
                                         : (right ? glyph::kLedgerCutRight : glyph::kLedgerLine);
    draw(note.x - kLedgerBeforeHead, ledgerY, ledger, TextColour::Black);
  }
  draw(note.x, note.y, glyph::kNoteHead, colour);
}

}  // namespace

void DrawLine(Canvas& canvas, const StaffLayout& layout, std::string_view signatureKind, std::int8_t signatureCount,
              std::span<const LineNote> notes) {
  StaffPainter staff(canvas);
  staff.DrawStaff(layout, signatureKind, signatureCount);
  Ink draw(canvas, staff.Style());

  const std::vector<int> xs = LineHeadXs(notes.size(), signatureKind, signatureCount);
  const auto placed = [&](std::size_t i) {
    return i < notes.size() ? Placed{&notes[i], xs[i], layout.NoteY(notes[i].slot)} : Placed{nullptr, 0, 0};
  };
  for (std::size_t i = 0; i < notes.size(); ++i) {
    const Placed note = placed(i);
    const TextColour colour = InkOf(note.note->state);
    DrawPlaced(draw, layout, note, colour, placed(i + 1));
    if (note.note->state == NoteState::Reading) draw(note.x, layout.MarkY(), glyph::kReadingMark, colour);
    if (note.note->state == NoteState::Wrong) draw(note.x, layout.MarkY(), glyph::kWrongMark, colour);
  }
}

void DrawNoteAt(Canvas& canvas, const StaffLayout& layout, int headX, const LineNote& note, TextStyle style) {
  Ink draw(canvas, std::move(style));
  DrawPlaced(draw, layout, {&note, headX, layout.NoteY(note.slot)}, TextColour::Black, {nullptr, 0, 0});
}

}  // namespace lintra::notation

#include "notation/staff_painter.h"

#include <string>

#include "notation/music_glyphs.h"
#include "notation/signature_layout.h"
#include "notation/staff_layout.h"

namespace lintra::notation {
namespace {

constexpr std::string_view kStaff = kStaffLines;

constexpr int kClearingY = 0;
// A single staff is drawn after two clearing cells that together reach the bottom of the area.
constexpr int kLowerClearingY = kAreaHeight - kTextCellHeight;
constexpr int kTrebleClefY = 12;  // G line
constexpr int kBassClefY = 44;    // F line

constexpr int kAccidentalX = 74;
constexpr int kAccidentalToNote = 8;
constexpr int kLedgerLineX = 71;
constexpr int kNoteToNext = 14;

constexpr int kMiddleCY = 28;
constexpr int kFirstLedgerAboveY = -20;
constexpr int kSpaceAboveLedgerY = -24;

std::string_view ClefGlyph(theory::Clef clef) {
  switch (clef) {
    case theory::Clef::Treble:
      break;
    case theory::Clef::Bass:
      return glyph::kBassClef;
    case theory::Clef::Alto:
    case theory::Clef::Tenor:
      return glyph::kCClef;
  }
  return glyph::kTrebleClef;
}

}  // namespace

StaffPainter::StaffPainter(Canvas& canvas)
    : canvas_(canvas), style_{std::string(kMusicFontName), kMusicFontPoints, TextColour::Black, false} {}

void StaffPainter::Draw(int x, int y, std::string_view text) { canvas_.DrawText(x, y, text, style_); }

void StaffPainter::DrawStaff(std::string_view signatureKind, std::int8_t signatureCount) {
  style_.pointSize = kMusicFontPoints;
  style_.fontName = std::string(kMusicFontName);
  style_.opaque = true;

  // Only these three opaque cells are ever cleared: the white staff blanks the top of the area,
  // the two black staves clear their own cells as they draw.
  style_.colour = TextColour::White;
  Draw(0, kClearingY, kStaff);
  style_.colour = TextColour::Black;
  Draw(0, kTrebleStaffY, kStaff);
  Draw(0, kBassStaffY, kStaff);

  style_.opaque = false;
  Draw(0, kBassClefY, glyph::kBassClef);
  Draw(0, kTrebleClefY, glyph::kTrebleClef);

  const auto& places = signatureKind == "b" ? FlatSignaturePlaces() : SharpSignaturePlaces();
  for (int i = 0; i < SignatureLength(signatureKind, signatureCount); ++i) {
    const SignaturePlace& place = places[static_cast<std::size_t>(i)];
    Draw(place.x, place.trebleY, signatureKind);
    Draw(place.x, place.bassY, signatureKind);
  }
}

void StaffPainter::DrawStaff(const StaffLayout& layout, std::string_view signatureKind, std::int8_t signatureCount) {
  if (!layout.SingleClef()) {
    DrawStaff(signatureKind, signatureCount);
    return;
  }
  const theory::ClefInfo& clef = theory::InfoOf(*layout.SingleClef());
  style_.pointSize = kMusicFontPoints;
  style_.fontName = std::string(kMusicFontName);
  style_.opaque = true;
  style_.colour = TextColour::White;
  Draw(0, kClearingY, kStaff);
  Draw(0, kLowerClearingY, kStaff);
  style_.colour = TextColour::Black;
  Draw(0, kSingleStaffY, kStaff);

  style_.opaque = false;
  Draw(0, SingleStaffY(clef.ownLinePlace), ClefGlyph(clef.clef));

  const auto& x = FlatSignaturePlaces();
  const auto& places = signatureKind == "b" ? clef.flatPlaces : clef.sharpPlaces;
  for (int i = 0; i < SignatureLength(signatureKind, signatureCount); ++i) {
    const auto at = static_cast<std::size_t>(i);
    Draw(x[at].x, SingleStaffY(places[at]), signatureKind);
  }
}

void StaffPainter::DrawStaves(int x) { DrawStaves(StaffLayout::Grand(), x); }

void StaffPainter::DrawStaves(const StaffLayout& layout, int x) {
  style_.pointSize = kMusicFontPoints;
  style_.fontName = std::string(kMusicFontName);
  style_.opaque = false;
  style_.colour = TextColour::Black;
  if (layout.SingleClef()) {
    Draw(x, kSingleStaffY, kStaff);
    return;
  }
  Draw(x, kTrebleStaffY, kStaff);
  Draw(x, kBassStaffY, kStaff);
}

void StaffPainter::DrawNote(std::string_view accidental, int noteY, std::int32_t& noteX) {
  style_.pointSize = kMusicFontPoints;
  style_.opaque = false;

  if (!accidental.empty()) {
    Draw(kAccidentalX + noteX, noteY, accidental);
  }
  noteX += kAccidentalToNote;

  if (noteY == kMiddleCY || noteY == kFirstLedgerAboveY) {
    Draw(kLedgerLineX + noteX, noteY, glyph::kLedgerLine);
  } else if (noteY == kSpaceAboveLedgerY) {
    // The note hangs below its ledger line.
    Draw(kLedgerLineX + noteX, kFirstLedgerAboveY, glyph::kLedgerLine);
  }

  Draw(kAccidentalX + noteX, noteY, glyph::kNoteHead);
  noteX += kNoteToNext;
}

}  // namespace lintra::notation

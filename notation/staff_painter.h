#pragma once

#include <cstdint>
#include <string_view>

#include "notation/canvas.h"
#include "notation/staff_layout.h"

namespace lintra::notation {

// The name under which the notation asks for its music font; the real canvas decides which
// installed or embedded font answers to it.
inline constexpr std::string_view kMusicFontName = "Partita";
inline constexpr int kMusicFontPoints = 24;

// Both staves' lines as one run of music-font characters; a picture wider than the staff area
// repeats it to the right (StaffPainter::DrawStaves).
inline constexpr std::string_view kStaffLines = "=======";

// Draws the grand staff and its notes as music-font characters at fixed pixel positions.
// The style is kept between calls, as a canvas keeps its font: DrawNote draws in the font name
// and colour that DrawStaff left.
class StaffPainter {
 public:
  explicit StaffPainter(Canvas& canvas);

  // Clears the staff area and draws both staves, both clefs and the key signature:
  // "#" or "b" with up to six accidentals; any other kind draws none.
  void DrawStaff(std::string_view signatureKind, std::int8_t signatureCount);
  // The same on the staff of `layout`: the grand staff as above, or a single staff with its clef
  // and the key signature placed as that clef places it, after clearing the whole area.
  void DrawStaff(const StaffLayout& layout, std::string_view signatureKind, std::int8_t signatureCount);

  // Draws the lines of both staves, without clefs and without clearing, from `x` on: a longer
  // staff is DrawStaff followed by DrawStaves at each multiple of the lines' width.
  void DrawStaves(int x);
  // The same for the staff of `layout`: its one staff, or both of the grand staff.
  void DrawStaves(const StaffLayout& layout, int x);

  // Draws accidental, ledger line and note at the cursor `noteX` and advances it by 22.
  // An empty accidental draws nothing; " " is drawn and shows nothing.
  void DrawNote(std::string_view accidental, int noteY, std::int32_t& noteX);

  const TextStyle& Style() const { return style_; }

 private:
  void Draw(int x, int y, std::string_view text);

  Canvas& canvas_;
  TextStyle style_;
};

}  // namespace lintra::notation

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>

#include "notation/canvas.h"
#include "notation/staff_layout.h"

namespace lintra::notation {

// The real canvas: a white image the size of the staff area that keeps everything drawn on it
// until it is cleared, ready to be copied to the screen whenever the window repaints. While
// everything on it is black or white it is held in grey levels: a quarter of the memory of
// colour, which at a maximized window's scale saves a megabyte here and half as much on its
// reduction. The first draw in colour (a line being read) turns it to colour for good.
class ImageCanvas final : public Canvas {
 public:
  static constexpr int kWidth = kAreaWidth;
  static constexpr int kHeight = kAreaHeight;

  // `scale` renders the same picture with that many device pixels per
  // pixel of the staff area, for a sharp picture on a larger paint box.
  explicit ImageCanvas(int scale = 1);

  void DrawText(int x, int y, std::string_view text, const TextStyle& style) override;

  const QImage& Image() const { return image_; }
  int Scale() const { return scale_; }
  void Clear();

 private:
  int scale_;
  QImage image_;
};

// The font a style asks for to draw `text`, at the size the fixed layout was made for.
QFont FontFor(const TextStyle& style, std::string_view text = {});
QColor ColourOf(TextColour colour);

// Where a draw leaves its mark, in pixels of the staff area: its text cell (what an opaque draw
// clears) and the pixels its glyphs may touch.
QRect TextCell(int x, int y, std::string_view text, const TextStyle& style);
QRect InkBounds(int x, int y, std::string_view text, const TextStyle& style);

}  // namespace lintra::notation

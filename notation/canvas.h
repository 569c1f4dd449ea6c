#pragma once

#include <string>
#include <string_view>

namespace lintra::notation {

enum class TextColour { Black, White };

struct TextStyle {
  std::string fontName;
  int pointSize;
  TextColour colour;
  bool opaque;  // fill the text cell with white before drawing the glyphs
};

// The one drawing operation all notation is made of: a text of music-font characters whose text
// cell has its top-left corner at (x, y).
class Canvas {
 public:
  virtual ~Canvas();
  virtual void DrawText(int x, int y, std::string_view text, const TextStyle& style) = 0;
};

}  // namespace lintra::notation

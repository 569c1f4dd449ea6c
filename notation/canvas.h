#pragma once

#include <string>
#include <string_view>

namespace lintra::notation {

// Black and white draw the staff and the question; the colours mark the notes of a line being
// read (the note being read, a note read right, a wrong answer), in hues that colour-blind
// students tell apart (Okabe and Ito's blue, bluish green and vermillion).
enum class TextColour { Black, White, Blue, Green, Vermillion };

// "black", "white", "blue", "green", "vermillion": how a draw's colour is written out.
std::string_view ColourName(TextColour colour);

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

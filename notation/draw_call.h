#pragma once

#include <string>
#include <string_view>

#include "notation/canvas.h"

namespace lintra::notation {

// One text draw as a value: what a kept picture replays and what a check compares.
struct DrawCall {
  std::string text;
  int x;
  int y;
  TextColour colour;
  bool opaque;
  std::string fontName;
  int pointSize;

  static DrawCall Of(int x, int y, std::string_view text, const TextStyle& style) {
    return {std::string(text), x, y, style.colour, style.opaque, style.fontName, style.pointSize};
  }
  TextStyle Style() const { return {fontName, pointSize, colour, opaque}; }

  bool operator==(const DrawCall&) const = default;
};

}  // namespace lintra::notation

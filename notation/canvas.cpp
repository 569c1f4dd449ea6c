#include "notation/canvas.h"

namespace lintra::notation {

std::string_view ColourName(TextColour colour) {
  switch (colour) {
    case TextColour::Black:
      break;
    case TextColour::White:
      return "white";
    case TextColour::Blue:
      return "blue";
    case TextColour::Green:
      return "green";
    case TextColour::Vermillion:
      return "vermillion";
  }
  return "black";
}

Canvas::~Canvas() = default;

}  // namespace lintra::notation

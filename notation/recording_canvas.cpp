#include "notation/recording_canvas.h"

namespace lintra::notation {

void RecordingCanvas::DrawText(int x, int y, std::string_view text, const TextStyle& style) {
  calls_.push_back({std::string(text), x, y, style.colour, style.opaque, style.fontName, style.pointSize});
}

}  // namespace lintra::notation

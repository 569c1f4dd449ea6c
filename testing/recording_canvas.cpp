#include "testing/recording_canvas.h"

namespace lintra::notation {

void RecordingCanvas::DrawText(int x, int y, std::string_view text, const TextStyle& style) {
  calls_.push_back(DrawCall::Of(x, y, text, style));
}

}  // namespace lintra::notation

#pragma once

#include <string_view>
#include <vector>

#include "notation/canvas.h"
#include "notation/draw_call.h"

namespace lintra::notation {

// Keeps every draw instead of drawing, so the picture can be checked as a list of calls.
class RecordingCanvas final : public Canvas {
 public:
  void DrawText(int x, int y, std::string_view text, const TextStyle& style) override;

  const std::vector<DrawCall>& Calls() const { return calls_; }
  void Clear() { calls_.clear(); }

 private:
  std::vector<DrawCall> calls_;
};

}  // namespace lintra::notation

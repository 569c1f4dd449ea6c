#include "notation/picture_canvas.h"

#include <algorithm>

namespace lintra::notation {
namespace {

const QRect kArea(0, 0, ImageCanvas::kWidth, ImageCanvas::kHeight);

}  // namespace

void PictureCanvas::DrawText(int x, int y, std::string_view text, const TextStyle& style) {
  QRect marks = InkBounds(x, y, text, style);
  if (style.opaque) {
    const QRect cell = TextCell(x, y, text, style);
    const QRegion cleared(cell & kArea);
    for (Kept& kept : draws_) kept.visible -= cleared;
    std::erase_if(draws_, [](const Kept& kept) { return kept.visible.isEmpty(); });
    marks |= cell;
  }
  const QRegion visible(marks & kArea);
  if (!visible.isEmpty()) {
    draws_.push_back({DrawCall::Of(x, y, text, style), visible});
  }
  if (image_) image_->DrawText(x, y, text, style);
}

void PictureCanvas::ReplayOn(ImageCanvas& canvas) const {
  for (const Kept& kept : draws_) canvas.DrawText(kept.call.x, kept.call.y, kept.call.text, kept.call.Style());
}

const QImage& PictureCanvas::Image(int scale) {
  scale = std::max(1, scale);
  if (!image_ || image_->Scale() != scale) {
    image_ = std::make_unique<ImageCanvas>(scale);
    ReplayOn(*image_);
  }
  return image_->Image();
}

QImage PictureCanvas::Render(int scale) const {
  ImageCanvas canvas(scale);
  ReplayOn(canvas);
  return canvas.Image();
}

}  // namespace lintra::notation

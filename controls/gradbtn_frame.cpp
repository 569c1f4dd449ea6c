#include "controls/gradbtn_frame.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace lintra::controls {

namespace {

void Fill(QPainter& p, int x, int y, int w, int h, const std::optional<QColor>& color) {
  if (color && w > 0 && h > 0) p.fillRect(QRect(x, y, w, h), *color);
}

void InvertPixel(QImage& image, int x, int y) {
  if (((x + y) & 1) != 0) return;
  const double ratio = image.devicePixelRatio();
  const int x0 = int(std::floor(x * ratio)), x1 = std::max(x0 + 1, int(std::floor((x + 1) * ratio)));
  const int y0 = int(std::floor(y * ratio)), y1 = std::max(y0 + 1, int(std::floor((y + 1) * ratio)));
  for (int dy = y0; dy < y1; ++dy)
    for (int dx = x0; dx < x1; ++dx)
      if (image.valid(dx, dy)) image.setPixel(dx, dy, image.pixel(dx, dy) ^ 0x00FFFFFFu);
}

}  // namespace

void PaintBevel(QPainter& painter, int w, int h, int frames, const std::optional<QColor>& top,
                const std::optional<QColor>& bottom) {
  for (int k = 0; k < frames; ++k) {
    const int l = k, t = k, r = w - 1 - k, b = h - 1 - k;
    if (r < l || b < t) break;
    Fill(painter, l, t, 1, b - t + 1, top);
    Fill(painter, l, t, r - l, 1, top);
    Fill(painter, r, t, 1, b - t, bottom);
    Fill(painter, l, b, r - l + 1, 1, bottom);
  }
}

void InvertFocusRect(QImage& image, int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  for (int x = left; x < right; ++x) {
    InvertPixel(image, x, top);
    if (bottom - 1 != top) InvertPixel(image, x, bottom - 1);
  }
  for (int y = top + 1; y < bottom - 1; ++y) {
    InvertPixel(image, left, y);
    if (right - 1 != left) InvertPixel(image, right - 1, y);
  }
}

}  // namespace lintra::controls

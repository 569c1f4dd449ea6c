#include "controls/gradbtn_gradient.h"

#include <QPainter>

namespace lintra::controls {

namespace {

int Channel(int start, int diff, int i, int n) { return start + int(Scale(i, diff, n)); }

// Fill the rectangle with corners (x1, y1) and (x2, y2), right and bottom edges exclusive.
void Band(QPainter& p, int x1, int y1, int x2, int y2, QRgb rgb) {
  if (x2 <= x1 || y2 <= y1) return;
  p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), QColor(rgb));
}

void Horizontal(QPainter& p, int w, int h, TColor b, TColor e) {
  for (int i = 0; i <= 255; ++i)
    Band(p, int(Scale(i, w, 256)), 0, int(Scale(i + 1, w, 256)), h, GradientStep(b, e, i, 255));
}

void Vertical(QPainter& p, int w, int h, TColor b, TColor e) {
  for (int i = 0; i <= 255; ++i)
    Band(p, 0, int(Scale(i, h, 256)), w, int(Scale(i + 1, h, 256)), GradientStep(b, e, i, 255));
}

void Elliptic(QPainter& p, int w, int h, TColor b, TColor e) {
  const int x0 = -(w / 3), x1 = w + w / 3, y0 = -(h / 3), y1 = h + h / 3;
  p.save();
  p.setPen(Qt::NoPen);
  for (int i = 0; i <= 50; ++i) {
    const int sx = (x1 - x0) * i / 100, sy = (y1 - y0) * i / 100;
    const QRect box(QPoint(x0 + sx, y0 + sy), QPoint(x1 - sx - 1, y1 - sy - 1));
    if (box.width() <= 0 || box.height() <= 0) continue;
    p.setBrush(QColor(GradientStep(b, e, i, 50)));
    p.drawEllipse(box);
  }
  p.restore();
}

void Rectangles(QPainter& p, int w, int h, TColor b, TColor e) {
  double left = 0.0, top = 0.0, right = w + 2, bottom = h + 2;
  const double sx = w / 2.0 / 255.0, sy = h / 2.0 / 255.0;
  for (int i = 0; i <= 255; ++i) {
    left += sx;
    right -= sx;
    top += sy;
    bottom -= sy;
    // int() truncates toward zero, as the coordinates require.
    Band(p, int(left), int(top), int(right), int(bottom), GradientStep(b, e, i, 255));
  }
}

void VertCenter(QPainter& p, int w, int h, TColor b, TColor e) {
  // Row band i runs from scale(i, hv, hv) to scale(i + 1, hv, hv), which is simply row i; writing it
  // so also keeps a button one pixel high (hv = 0) free of the zero divisor.
  const int hv = h / 2;
  for (int i = 0; i <= hv; ++i) {
    const QRgb rgb = GradientStep(b, e, i, hv);
    Band(p, 0, i, w, i + 1, rgb);
    Band(p, 0, h - 1 - i, w, h - i, rgb);
  }
}

void HorizCenter(QPainter& p, int w, int h, TColor b, TColor e) {
  const int hw = w / 2;
  for (int i = 0; i <= hw; ++i) {
    const QRgb rgb = GradientStep(b, e, i, hw);
    Band(p, i, 0, i + 1, h, rgb);
    Band(p, w - 1 - i, 0, w - i, h, rgb);
  }
}

}  // namespace

std::int64_t Scale(std::int64_t a, std::int64_t b, std::int64_t c) { return c == 0 ? 0 : a * b / c; }

QRgb GradientStep(TColor begin, TColor end, int i, int n) {
  const int r0 = RedOf(begin), g0 = GreenOf(begin), b0 = BlueOf(begin);
  return qRgb(Channel(r0, RedOf(end) - r0, i, n), Channel(g0, GreenOf(end) - g0, i, n),
              Channel(b0, BlueOf(end) - b0, i, n));
}

void PaintGradient(QPainter& painter, TGradientStyle style, int w, int h, TColor begin, TColor end) {
  if (w <= 0 || h <= 0) return;
  switch (style) {
    case TGradientStyle::gsHorizontal:
      Horizontal(painter, w, h, begin, end);
      break;
    case TGradientStyle::gsVertical:
      Vertical(painter, w, h, begin, end);
      break;
    case TGradientStyle::gsElliptic:
      Elliptic(painter, w, h, begin, end);
      break;
    case TGradientStyle::gsRectangle:
      Rectangles(painter, w, h, begin, end);
      break;
    case TGradientStyle::gsVertCenter:
      VertCenter(painter, w, h, begin, end);
      break;
    case TGradientStyle::gsHorizCenter:
      HorizCenter(painter, w, h, begin, end);
      break;
  }
}

}  // namespace lintra::controls

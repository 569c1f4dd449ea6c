#include "controls/gradbtn_gradient.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

namespace lintra::controls {

namespace {

int Channel(int start, int diff, int i, int n) { return start + int(Scale(i, diff, n)); }

// Where the painter draws straight onto a 32-bit picture, unscaled and unclipped, the bands are
// written into its rows: a gradient is hundreds of bands, mostly one row or column each, and the
// set-up of a fill per band was most of the time a window full of buttons took to paint.
// Elsewhere (a scaled or clipped painter, another device) the painter fills them.
struct Target {
  explicit Target(QPainter& painter) : p(painter) {
    auto* picture = dynamic_cast<QImage*>(painter.device());
    const bool rows = picture && (picture->format() == QImage::Format_RGB32 ||
                                  picture->format() == QImage::Format_ARGB32 ||
                                  picture->format() == QImage::Format_ARGB32_Premultiplied);
    if (rows && painter.deviceTransform().isIdentity() && !painter.hasClipping() && painter.opacity() == 1.0 &&
        painter.compositionMode() == QPainter::CompositionMode_SourceOver)
      image = picture;
  }
  QPainter& p;
  QImage* image = nullptr;
};

// Fill the rectangle with corners (x1, y1) and (x2, y2), right and bottom edges exclusive.
void Band(Target& t, int x1, int y1, int x2, int y2, QRgb rgb) {
  if (x2 <= x1 || y2 <= y1) return;
  if (!t.image) {
    t.p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), QColor(rgb));
    return;
  }
  x1 = std::max(x1, 0);
  y1 = std::max(y1, 0);
  x2 = std::min(x2, t.image->width());
  y2 = std::min(y2, t.image->height());
  for (int y = y1; y < y2; ++y) {
    auto* row = reinterpret_cast<QRgb*>(t.image->scanLine(y));
    std::fill(row + x1, row + x2, rgb);  // qRgb: opaque, as the fill would leave it
  }
}

void Horizontal(Target& p, int w, int h, TColor b, TColor e) {
  for (int i = 0; i <= 255; ++i)
    Band(p, int(Scale(i, w, 256)), 0, int(Scale(i + 1, w, 256)), h, GradientStep(b, e, i, 255));
}

void Vertical(Target& p, int w, int h, TColor b, TColor e) {
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

void Rectangles(Target& p, int w, int h, TColor b, TColor e) {
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

void VertCenter(Target& p, int w, int h, TColor b, TColor e) {
  // Row band i runs from scale(i, hv, hv) to scale(i + 1, hv, hv), which is simply row i; writing it
  // so also keeps a button one pixel high (hv = 0) free of the zero divisor.
  const int hv = h / 2;
  for (int i = 0; i <= hv; ++i) {
    const QRgb rgb = GradientStep(b, e, i, hv);
    Band(p, 0, i, w, i + 1, rgb);
    Band(p, 0, h - 1 - i, w, h - i, rgb);
  }
}

void HorizCenter(Target& p, int w, int h, TColor b, TColor e) {
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
  Target target(painter);
  switch (style) {
    case TGradientStyle::gsHorizontal:
      Horizontal(target, w, h, begin, end);
      break;
    case TGradientStyle::gsVertical:
      Vertical(target, w, h, begin, end);
      break;
    case TGradientStyle::gsElliptic:
      Elliptic(painter, w, h, begin, end);
      break;
    case TGradientStyle::gsRectangle:
      Rectangles(target, w, h, begin, end);
      break;
    case TGradientStyle::gsVertCenter:
      VertCenter(target, w, h, begin, end);
      break;
    case TGradientStyle::gsHorizCenter:
      HorizCenter(target, w, h, begin, end);
      break;
  }
}

}  // namespace lintra::controls

#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

#include "notation/canvas.h"

namespace lintra::notation {

// Notation drawn straight onto a painter the caller owns, at an origin of its choosing and with
// black replaced by an ink of its choosing (white and the colours stay as they are): for pictures
// that mark notes in colour, where the staff area's fixed image is too small.
class PainterCanvas final : public Canvas {
 public:
  PainterCanvas(QPainter& painter, QPointF origin) : painter_(painter), origin_(origin) {}

  void DrawText(int x, int y, std::string_view text, const TextStyle& style) override;

  void SetInk(const QColor& ink) { ink_ = ink; }
  void SetOrigin(QPointF origin) { origin_ = origin; }

 private:
  QPainter& painter_;
  QPointF origin_;
  QColor ink_ = Qt::black;
};

}  // namespace lintra::notation

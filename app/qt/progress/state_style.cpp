#include "app/qt/progress/state_style.h"

#include <QPainterPath>
#include <QPen>

namespace lintra::progress {

QColor StateColour(practice::MasteryState state) {
  switch (state) {
    case practice::MasteryState::New:
      return QColor(0x99, 0x99, 0x99);
    case practice::MasteryState::Learning:
      return QColor(0xD5, 0x5E, 0x00);
    case practice::MasteryState::Fluent:
      return QColor(0x00, 0x72, 0xB2);
  }
  return Qt::black;
}

void DrawStateSymbol(QPainter& painter, const QRectF& box, practice::MasteryState state) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor colour = StateColour(state);
  const QRectF circle = box.adjusted(1, 1, -1, -1);
  painter.setPen(Qt::NoPen);
  if (state == practice::MasteryState::Fluent) {
    painter.setBrush(colour);
    painter.drawEllipse(circle);
  } else if (state == practice::MasteryState::Learning) {
    // The lower half filled: the note is on its way.
    painter.setBrush(colour);
    painter.drawChord(circle, 180 * 16, 180 * 16);
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(state == practice::MasteryState::New ? colour.darker(160) : QColor(Qt::black), 1.5));
  painter.drawEllipse(circle);
  painter.restore();
}

}  // namespace lintra::progress

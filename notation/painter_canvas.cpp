#include "notation/painter_canvas.h"

#include <QFontMetrics>
#include <QString>

#include "notation/image_canvas.h"

namespace lintra::notation {

void PainterCanvas::DrawText(int x, int y, std::string_view text, const TextStyle& style) {
  const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QFont font = FontFor(style, text);
  const QFontMetrics metrics(font);
  const QPointF at = origin_ + QPointF(x, y);
  painter_.save();
  painter_.setFont(font);
  if (style.opaque) {
    painter_.fillRect(QRectF(at, QSizeF(metrics.horizontalAdvance(qtext), metrics.height())), Qt::white);
  }
  painter_.setPen(style.colour == TextColour::Black ? ink_ : ColourOf(style.colour));
  painter_.drawText(at + QPointF(0, metrics.ascent()), qtext);
  painter_.restore();
}

}  // namespace lintra::notation

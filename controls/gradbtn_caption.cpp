#include "controls/gradbtn_caption.h"

#include <QFontMetrics>
#include <QPainter>

namespace lintra::controls {

namespace {

constexpr QChar kMarker = u'&';

int AlignmentOf(TJustification justification) {
  switch (justification) {
    case TJustification::jLeft:
      return Qt::AlignLeft;
    case TJustification::jRight:
      return Qt::AlignRight;
    case TJustification::jCenter:
      break;
  }
  return Qt::AlignHCenter;
}

}  // namespace

QString MeasuringText(const QString& caption) {
  QString text;
  if (caption.isEmpty()) return text;
  text.reserve(caption.size());
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] == kMarker && caption[i + 1] != kMarker) continue;
    text.append(caption[i]);
  }
  text.append(caption.back());
  return text;
}

QChar AccessKeyOf(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != kMarker) continue;
    if (caption[i + 1] != kMarker) return caption[i + 1];
    ++i;  // a doubled marker is a literal ampersand
  }
  return QChar();
}

bool IsAccessKey(QChar c, const QString& caption) {
  const QChar key = AccessKeyOf(caption);
  return !key.isNull() && !c.isNull() && key.toCaseFolded() == c.toCaseFolded();
}

std::vector<CaptionLayer> CaptionLayers(TTextStyle routine, TShadeType shade, const std::optional<QColor>& hilite,
                                        const std::optional<QColor>& shadow, const std::optional<QColor>& face) {
  const bool heavy = shade == TShadeType::stHeavy;
  std::vector<CaptionLayer> layers;
  switch (routine) {
    case TTextStyle::tsRaised:
      layers.push_back({-1, -1, hilite});
      if (heavy) layers.push_back({1, 1, shadow});
      break;
    case TTextStyle::tsInset:
      if (heavy) layers.push_back({-1, -1, shadow});
      layers.push_back({1, 1, hilite});
      break;
    case TTextStyle::tsNormal:
      break;
  }
  layers.push_back({0, 0, face});
  return layers;
}

QPoint CaptionFaceOrigin(TJustification justification, int w, int h, int tw, int th, int pressOffset, int top) {
  const int cy = top + (h - top - th) / 2;
  int x = (w - tw) / 2;
  if (justification == TJustification::jLeft) x = 2;
  if (justification == TJustification::jRight) x = w - tw - 2;
  return QPoint(x + pressOffset, cy + pressOffset);
}

void PaintCaption(QPainter& painter, const QString& caption, TJustification justification, int w, int h,
                  int pressOffset, const std::vector<CaptionLayer>& layers, int top) {
  if (caption.isEmpty()) return;
  const QFontMetrics metrics = painter.fontMetrics();
  const int tw = metrics.horizontalAdvance(MeasuringText(caption));
  const int th = metrics.height();
  const QPoint face = CaptionFaceOrigin(justification, w, h, tw, th, pressOffset, top);
  // The box is sized to the measuring text; the caption may render a little wider or narrower than
  // that (its markers become underlines), so it is never clipped to the box.
  const int flags =
      AlignmentOf(justification) | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::TextDontClip;
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setBackgroundMode(Qt::TransparentMode);
  for (const CaptionLayer& layer : layers) {
    if (!layer.color) continue;
    painter.setPen(*layer.color);
    painter.drawText(QRect(face.x() + layer.dx, face.y() + layer.dy, tw, th), flags, caption);
  }
  painter.restore();
}

}  // namespace lintra::controls

#include "notation/image_canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <algorithm>

#include "notation/music_font.h"
#include "notation/staff_painter.h"

namespace lintra::notation {
namespace {

// The layout is made for 96 pixels per inch; glyphs are held at that size on any screen so that
// they keep fitting the fixed coordinates.
constexpr int kDesignDpi = 96;
constexpr int kPointsPerInch = 72;

QString TextOf(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

QFont FontFor(const TextStyle& style, std::string_view text) {
  QFont font;
  if (style.fontName == kMusicFontName) {
    if (MusicFontAvailable()) {
      font = QFont(MusicFontFamilyFor(TextOf(text)));
      // A missing character must not be drawn from some other font at another size.
      font.setStyleStrategy(QFont::NoFontMerging);
    }
  } else {
    font = QFont(QString::fromStdString(style.fontName));
  }
  font.setPixelSize(std::max(1, style.pointSize * kDesignDpi / kPointsPerInch));
  return font;
}

QColor ColourOf(TextColour colour) {
  switch (colour) {
    case TextColour::Black:
      break;
    case TextColour::White:
      return Qt::white;
    case TextColour::Blue:
      return QColor(0x00, 0x72, 0xB2);
    case TextColour::Green:
      return QColor(0x00, 0x9E, 0x73);
    case TextColour::Vermillion:
      return QColor(0xD5, 0x5E, 0x00);
  }
  return Qt::black;
}

QRect TextCell(int x, int y, std::string_view text, const TextStyle& style) {
  const QFontMetrics metrics(FontFor(style, text));
  return QRect(x, y, metrics.horizontalAdvance(TextOf(text)), metrics.height());
}

QRect InkBounds(int x, int y, std::string_view text, const TextStyle& style) {
  const QFontMetrics metrics(FontFor(style, text));
  // One pixel around the outlines for antialiasing and hinting.
  return metrics.tightBoundingRect(TextOf(text)).translated(x, y + metrics.ascent()).adjusted(-1, -1, 1, 1);
}

ImageCanvas::ImageCanvas(int scale)
    : scale_(std::max(1, scale)), image_(kWidth * scale_, kHeight * scale_, QImage::Format_Grayscale8) {
  image_.setDevicePixelRatio(scale_);
  Clear();
}

void ImageCanvas::Clear() { image_.fill(Qt::white); }

void ImageCanvas::DrawText(int x, int y, std::string_view text, const TextStyle& style) {
  const QString qtext = TextOf(text);
  const QFont font = FontFor(style, text);
  const QFontMetrics metrics(font);
  if (style.colour != TextColour::Black && style.colour != TextColour::White &&
      image_.format() == QImage::Format_Grayscale8) {
    image_.convertTo(QImage::Format_RGB32);
  }

  QPainter painter(&image_);
  painter.setFont(font);
  if (style.opaque) {
    painter.fillRect(x, y, metrics.horizontalAdvance(qtext), metrics.height(), Qt::white);
  }
  painter.setPen(ColourOf(style.colour));
  painter.drawText(x, y + metrics.ascent(), qtext);
}

}  // namespace lintra::notation

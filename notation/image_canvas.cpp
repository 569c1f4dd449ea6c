#include "notation/image_canvas.h"

#include <algorithm>

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include "notation/music_font.h"
#include "notation/staff_painter.h"

namespace lintra::notation {
namespace {

// The layout is made for 96 pixels per inch; glyphs are held at that size on any screen so that
// they keep fitting the fixed coordinates.
constexpr int kDesignDpi = 96;
constexpr int kPointsPerInch = 72;

QFont FontFor(const TextStyle& style) {
    QFont font;
    if (style.fontName == kMusicFontName) {
        if (MusicFontAvailable()) {
            font = QFont(MusicFontFamily());
            // A missing character must not be drawn from some other font at another size.
            font.setStyleStrategy(QFont::NoFontMerging);
        }
    } else {
        font = QFont(QString::fromStdString(style.fontName));
    }
    font.setPixelSize(std::max(1, style.pointSize * kDesignDpi / kPointsPerInch));
    return font;
}

}  // namespace

ImageCanvas::ImageCanvas(int scale)
    : scale_(std::max(1, scale)), image_(kWidth * scale_, kHeight * scale_, QImage::Format_RGB32) {
    image_.setDevicePixelRatio(scale_);
    Clear();
}

void ImageCanvas::Clear() { image_.fill(Qt::white); }

void ImageCanvas::DrawText(int x, int y, std::string_view text, const TextStyle& style) {
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFont font = FontFor(style);
    const QFontMetrics metrics(font);

    QPainter painter(&image_);
    painter.setFont(font);
    if (style.opaque) {
        painter.fillRect(x, y, metrics.horizontalAdvance(qtext), metrics.height(), Qt::white);
    }
    painter.setPen(style.colour == TextColour::White ? Qt::white : Qt::black);
    painter.drawText(x, y + metrics.ascent(), qtext);
}

}  // namespace lintra::notation

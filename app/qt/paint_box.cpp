#include "app/qt/paint_box.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace lintra::frontend {

PaintBoxWidget::PaintBoxWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void PaintBoxWidget::DrawText(int x, int y, std::string_view text, const notation::TextStyle& style) {
  picture_.DrawText(x, y, text, style);
  update();
}

// The picture keeps its proportions and grows with the paint box, which the
// window scales; its drawing coordinates stay those of the design layout. It
// is drawn afresh at the first whole number of device pixels per design pixel
// that reaches the screen's resolution, so it is never enlarged: at a whole
// scale it is shown as drawn, otherwise reduced with area averaging, which
// keeps thin staff lines even. Both are redone only when the picture or the
// size changed.
void PaintBoxWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  // Nothing drawn yet, as when the window is first shown, before its first question: the white is
  // the whole picture, and rendering it large only to reduce it would slow the first paint.
  if (picture_.KeptDraws() == 0) return;
  const double ratio = devicePixelRatioF();
  const double scale =
      std::min(width() / double(notation::ImageCanvas::kWidth), height() / double(notation::ImageCanvas::kHeight)) *
      ratio;
  const QSize target(int(notation::ImageCanvas::kWidth * scale), int(notation::ImageCanvas::kHeight * scale));
  if (target.isEmpty()) return;
  const QImage& picture = picture_.Image(std::max(1, int(std::ceil(scale - 1e-6))));
  if (scaled_.size() != target || scaledFrom_ != picture.cacheKey()) {
    scaled_ = QImage();  // let go of the old reduction before making the new one
    scaled_ =
        picture.size() == target ? picture : picture.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled_.setDevicePixelRatio(ratio);
    scaledFrom_ = picture.cacheKey();
  }
  painter.drawImage(0, 0, scaled_);
}

}  // namespace lintra::frontend

#include "app/qt/progress/screen_fit.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

namespace lintra::progress {
namespace {

QMargins Frame(const QWidget& window) {
  const QRect outer = window.frameGeometry();
  const QRect inner = window.geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

}  // namespace

QRect FitOnScreen(const QRect& available, const QRect& wanted, const QMargins& frame) {
  const QRect room = available.marginsRemoved(frame);
  const QSize size = wanted.size().boundedTo(room.size());
  const int x = std::clamp(wanted.x(), room.left(), room.right() - size.width() + 1);
  const int y = std::clamp(wanted.y(), room.top(), room.bottom() - size.height() + 1);
  return {QPoint(x, y), size};
}

QMargins FrameOf(const QWidget& window) {
  if (window.isVisible()) return Frame(window);
  for (const QWidget* other : QApplication::topLevelWidgets()) {
    if (other != &window && other->isVisible() && other->windowType() == Qt::Window) return Frame(*other);
  }
  return {};
}

}  // namespace lintra::progress

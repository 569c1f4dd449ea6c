#include "app/qt/window_style.h"

#include <QPainter>
#include <QPixmap>

namespace lintra::frontend {
namespace {

// Two chevrons pointing right, as in the toolkit's own picture of it.
QIcon OverflowIcon() {
  QIcon icon;
  for (const int size : {16, 32}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), size / 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const double s = size / 16.0;
    for (const double x : {4.0, 9.0}) {
      painter.drawPolyline(QPolygonF{{(x)*s, 4 * s}, {(x + 3) * s, 8 * s}, {(x)*s, 12 * s}});
    }
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace

QIcon WindowStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton) {
    static const QIcon overflow = OverflowIcon();
    return overflow;
  }
  return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace lintra::frontend

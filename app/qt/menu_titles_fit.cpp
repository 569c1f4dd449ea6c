#include "app/qt/menu_titles_fit.h"

#include <QAction>
#include <QMenuBar>
#include <algorithm>

namespace lintra::frontend {
namespace {

// Where the last title ends when every title stands in a row; the bar lays them out whatever its
// own width, which follows the window's only later.
int TitlesWidth(const QMenuBar* bar) {
  int right = 0;
  for (QAction* action : bar->actions()) {
    if (action->isVisible()) right = std::max(right, bar->actionGeometry(action).right() + 1);
  }
  return right;
}

}  // namespace

void FitMenuTitles(QMenuBar* bar, int points, int width) {
  if (points <= 0) return;  // a font set in pixels: the platform's choice stands
  QFont font = bar->font();
  for (int size = points;; --size) {
    if (font.pointSize() != size) {
      font.setPointSize(size);
      bar->setFont(font);
    }
    if (size <= kSmallestMenuPoints || TitlesWidth(bar) <= width) return;
  }
}

}  // namespace lintra::frontend

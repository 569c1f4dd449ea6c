// The mastery map's legend: each state's symbol and what it means, and what is written under each
// note, in labels that wrap: it shows whole beside a map of any width, and a screen reader reads it.
#pragma once

#include <QWidget>

namespace lintra::progress {

class MapLegend : public QWidget {
  Q_OBJECT
 public:
  explicit MapLegend(QWidget* parent = nullptr);
};

}  // namespace lintra::progress

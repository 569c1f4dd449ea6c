// The days of practice of the last months in the manner of a contributions calendar: a column a
// week, Monday at the top, each day a square whose shade of one blue says how many questions it
// held (no colour needed to tell more from less: the shades run from light to dark).
#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

#include "journal/journal_reader.h"

namespace lintra::progress {

class CalendarChart : public QWidget {
  Q_OBJECT
 public:
  explicit CalendarChart(int weeks, QWidget* parent = nullptr);

  // `days`: the local days with practice; `today`: the local day the last column ends with.
  void SetDays(std::vector<journal::TrendPoint> days, std::int64_t today);
  // The shade level (0 to 4) the calendar gives a local day.
  int LevelOf(std::int64_t day) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int weeks_;
  std::vector<journal::TrendPoint> days_;
  std::int64_t today_ = 0;
  int busiest_ = 0;
};

}  // namespace lintra::progress

#include "app/qt/progress/calendar_chart.h"

#include <QDate>
#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <array>

#include "coach/progress_summary.h"

namespace lintra::progress {
namespace {

constexpr int kCell = 12;
constexpr int kGap = 3;
constexpr int kLeft = 34;  // the weekdays' names
constexpr int kTop = 18;   // the months' names
constexpr int kLegend = 22;
// One hue from light to dark: readable by every kind of colour vision, and in grey.
constexpr std::array<QRgb, 5> kShades{qRgb(235, 237, 240), qRgb(198, 219, 239), qRgb(107, 174, 214), qRgb(33, 113, 181),
                                      qRgb(8, 48, 107)};

// Monday is 0; 1970-01-01 was a Thursday.
int Weekday(std::int64_t day) { return static_cast<int>(((day % 7) + 7 + 3) % 7); }

QDate DateOf(std::int64_t day) { return QDate(1970, 1, 1).addDays(day); }

}  // namespace

CalendarChart::CalendarChart(int weeks, QWidget* parent) : QWidget(parent), weeks_(weeks) {
  setAccessibleName(tr("Days of practice"));
}

void CalendarChart::SetDays(std::vector<journal::TrendPoint> days, std::int64_t today) {
  days_ = std::move(days);
  today_ = today;
  busiest_ = 0;
  for (const auto& day : days_) busiest_ = std::max(busiest_, day.firstTries);
  update();
}

int CalendarChart::LevelOf(std::int64_t day) const {
  const auto found =
      std::find_if(days_.begin(), days_.end(), [day](const journal::TrendPoint& point) { return point.period == day; });
  return coach::CalendarLevel(found == days_.end() ? 0 : found->firstTries, busiest_);
}

QSize CalendarChart::sizeHint() const {
  return QSize(kLeft + weeks_ * (kCell + kGap) + 8, kTop + 7 * (kCell + kGap) + kLegend + 8);
}

void CalendarChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setPen(Qt::black);
  const QLocale locale;
  // The last column holds today's week; the first starts on a Monday.
  const std::int64_t first = today_ - Weekday(today_) - 7 * (weeks_ - 1);
  for (int row : {0, 2, 4}) {
    painter.drawText(QRect(0, kTop + row * (kCell + kGap), kLeft - 4, kCell), Qt::AlignRight | Qt::AlignVCenter,
                     locale.dayName(row + 1, QLocale::ShortFormat));
  }
  for (int week = 0; week < weeks_; ++week) {
    const int x = kLeft + week * (kCell + kGap);
    const std::int64_t monday = first + 7 * week;
    if (week == 0 || DateOf(monday).month() != DateOf(monday - 7).month()) {
      painter.drawText(QPoint(x, kTop - 5), locale.monthName(DateOf(monday).month(), QLocale::ShortFormat));
    }
    for (int row = 0; row < 7 && monday + row <= today_; ++row) {
      painter.fillRect(QRect(x, kTop + row * (kCell + kGap), kCell, kCell), QColor(kShades[LevelOf(monday + row)]));
    }
  }
  // The legend: fewer questions on the left, more on the right.
  const int y = kTop + 7 * (kCell + kGap) + 6;
  const QString fewer = tr("Fewer");
  int x = kLeft;
  painter.drawText(QRect(x, y, 200, kCell), Qt::AlignLeft | Qt::AlignVCenter, fewer);
  x += painter.fontMetrics().horizontalAdvance(fewer) + 6;
  for (const QRgb shade : kShades) {
    painter.fillRect(QRect(x, y, kCell, kCell), QColor(shade));
    x += kCell + kGap;
  }
  painter.drawText(QRect(x + 3, y, 200, kCell), Qt::AlignLeft | Qt::AlignVCenter, tr("More"));
}

}  // namespace lintra::progress

#include "app/qt/progress/trend_chart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace lintra::progress {
namespace {

const QColor kAccuracyColour(0x00, 0x72, 0xB2);
const QColor kTimeColour(0xD5, 0x5E, 0x00);
const QColor kWeakNotesBand(0xE4, 0xE4, 0xE4);
constexpr int kLeft = 46, kRight = 42, kTop = 38, kBottom = 44;
constexpr int kKeyLine = 14;

double Accuracy(const journal::TrendPoint& p) {
  return p.firstTries == 0 ? 0.0 : 100.0 * p.firstTriesRight / p.firstTries;
}

}  // namespace

int TimeAxisTop(const std::vector<journal::TrendPoint>& points) {
  std::int64_t most = 0;
  for (const auto& p : points) most = std::max(most, p.medianResponseMs);
  return std::max<int>(1, static_cast<int>((most + 999) / 1000));
}

TrendChart::TrendChart(QString title, QString periodCaption, QWidget* parent)
    : QWidget(parent), title_(std::move(title)), periodCaption_(std::move(periodCaption)) {
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
}

void TrendChart::SetPoints(std::vector<journal::TrendPoint> points, QStringList labels) {
  points_ = std::move(points);
  labels_ = std::move(labels);
  accuracyMarkers_.clear();
  timeMarkers_.clear();
  weakNotesBands_.clear();
  update();
}

void TrendChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), Qt::white);
  QFont font = painter.font();
  font.setPixelSize(11);
  painter.setFont(font);
  const int top = kTop + (AnyWeakNotes() ? kKeyLine : 0);
  const QRectF plot(kLeft, top, std::max(10, width() - kLeft - kRight), std::max(10, height() - top - kBottom));
  DrawTitleAndKey(painter);
  DrawWeakNotesBands(painter, plot);
  const int topSeconds = TimeAxisTop(points_);
  DrawAxes(painter, plot, topSeconds);
  if (points_.empty()) {
    painter.drawText(plot, Qt::AlignCenter, tr("No answers in this period"));
    return;
  }
  DrawPeriodLabels(painter, plot);
  DrawPoints(painter, plot, topSeconds);
}

double TrendChart::PeriodX(const QRectF& plot, std::size_t i) const {
  const auto n = points_.size();
  return n == 1 ? plot.center().x()
                : plot.left() + 8 + (plot.width() - 16) * static_cast<double>(i) / static_cast<double>(n - 1);
}

void TrendChart::DrawTitleAndKey(QPainter& painter) {
  const QFont font = painter.font();
  const QFontMetrics metrics(font);
  painter.setPen(Qt::black);
  QFont bold = font;
  bold.setBold(true);
  painter.setFont(bold);
  painter.drawText(QRectF(0, 2, width(), 16), Qt::AlignHCenter, title_);
  painter.setFont(font);

  // The key to the two lines.
  const double keyY = 26;
  double x = kLeft;
  painter.setPen(QPen(kAccuracyColour, 2));
  painter.drawLine(QPointF(x, keyY), QPointF(x + 18, keyY));
  painter.setBrush(kAccuracyColour);
  painter.drawEllipse(QPointF(x + 9, keyY), 3, 3);
  painter.setPen(Qt::black);
  const QString accuracyText = tr("first-try accuracy");
  painter.drawText(QPointF(x + 22, keyY + 4), accuracyText);
  x += 22 + metrics.horizontalAdvance(accuracyText) + 14;
  painter.setPen(QPen(kTimeColour, 2, Qt::DashLine));
  painter.setBrush(Qt::white);
  painter.drawLine(QPointF(x, keyY), QPointF(x + 18, keyY));
  painter.drawRect(QRectF(x + 6, keyY - 3, 6, 6));
  painter.setPen(Qt::black);
  painter.drawText(QPointF(x + 22, keyY + 4), tr("median response time"));
  if (!AnyWeakNotes()) return;
  const double bandY = keyY + kKeyLine;
  painter.fillRect(QRectF(kLeft + 5, bandY - 5, 8, 10), kWeakNotesBand);
  painter.drawText(QPointF(kLeft + 22, bandY + 4), tr("grey band: a session that practised weak notes"));
}

bool TrendChart::AnyWeakNotes() const {
  return std::any_of(points_.begin(), points_.end(), [](const journal::TrendPoint& p) { return p.weakNotes; });
}

// Behind the lines, as wide as a period.
void TrendChart::DrawWeakNotesBands(QPainter& painter, const QRectF& plot) {
  weakNotesBands_.clear();
  const double half = points_.size() < 2 ? 8.0 : std::max(3.0, (PeriodX(plot, 1) - PeriodX(plot, 0)) / 2 - 1);
  for (std::size_t i = 0; i < points_.size(); ++i) {
    if (!points_[i].weakNotes) continue;
    weakNotesBands_.push_back(QRectF(PeriodX(plot, i) - half, plot.top(), 2 * half, plot.height()).intersected(plot));
    painter.fillRect(weakNotesBands_.back(), kWeakNotesBand);
  }
}

// Accuracy on the left, seconds on the right, the periods below.
void TrendChart::DrawAxes(QPainter& painter, const QRectF& plot, int topSeconds) {
  painter.setPen(QPen(QColor(0xDD, 0xDD, 0xDD), 1));
  for (int percent = 0; percent <= 100; percent += 25) {
    const double y = plot.bottom() - plot.height() * percent / 100.0;
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
  }
  painter.setPen(Qt::black);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(plot);
  for (int percent = 0; percent <= 100; percent += 25) {
    const double y = plot.bottom() - plot.height() * percent / 100.0;
    painter.drawText(QRectF(0, y - 7, kLeft - 4, 14), Qt::AlignRight | Qt::AlignVCenter, QString::number(percent));
    const double seconds = topSeconds * percent / 100.0;
    painter.drawText(QRectF(plot.right() + 4, y - 7, kRight - 4, 14), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::number(seconds, 'g', 3));
  }
  painter.save();
  painter.translate(11, plot.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-plot.height() / 2, -7, plot.height(), 14), Qt::AlignCenter, tr("accuracy %"));
  painter.restore();
  painter.save();
  painter.translate(width() - 8, plot.center().y());
  painter.rotate(90);
  painter.drawText(QRectF(-plot.height() / 2, -7, plot.height(), 14), Qt::AlignCenter, tr("seconds"));
  painter.restore();
  painter.drawText(QRectF(0, height() - 16, width(), 14), Qt::AlignHCenter, periodCaption_);
}

// Period labels, thinned to what fits.
void TrendChart::DrawPeriodLabels(QPainter& painter, const QRectF& plot) {
  const QFontMetrics metrics(painter.font());
  const auto n = points_.size();
  int widest = 1;
  for (const QString& label : labels_) widest = std::max(widest, metrics.horizontalAdvance(label));
  const std::size_t every = std::max<std::size_t>(
      1, static_cast<std::size_t>(std::ceil((widest + 8.0) * static_cast<double>(n) / plot.width())));
  for (std::size_t i = 0; i < n && i < static_cast<std::size_t>(labels_.size()); ++i) {
    if (i % every != 0) continue;
    painter.drawLine(QPointF(PeriodX(plot, i), plot.bottom()), QPointF(PeriodX(plot, i), plot.bottom() + 3));
    painter.drawText(QRectF(PeriodX(plot, i) - widest, plot.bottom() + 4, 2 * widest, 14), Qt::AlignHCenter,
                     labels_[static_cast<qsizetype>(i)]);
  }
}

void TrendChart::DrawPoints(QPainter& painter, const QRectF& plot, int topSeconds) {
  accuracyMarkers_.clear();
  timeMarkers_.clear();
  for (std::size_t i = 0; i < points_.size(); ++i) {
    accuracyMarkers_.emplace_back(PeriodX(plot, i), plot.bottom() - plot.height() * Accuracy(points_[i]) / 100.0);
    timeMarkers_.emplace_back(
        PeriodX(plot, i),
        plot.bottom() - plot.height() * static_cast<double>(points_[i].medianResponseMs) / (1000.0 * topSeconds));
  }
  auto drawLine = [&](const std::vector<QPointF>& at, const QPen& pen) {
    QPainterPath path(at.front());
    for (std::size_t i = 1; i < at.size(); ++i) path.lineTo(at[i]);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
  };
  drawLine(timeMarkers_, QPen(kTimeColour, 2, Qt::DashLine));
  drawLine(accuracyMarkers_, QPen(kAccuracyColour, 2));
  painter.setPen(QPen(kTimeColour, 1.5));
  painter.setBrush(Qt::white);
  for (const QPointF& p : timeMarkers_) painter.drawRect(QRectF(p.x() - 3, p.y() - 3, 6, 6));
  painter.setPen(QPen(kAccuracyColour, 1));
  painter.setBrush(kAccuracyColour);
  for (const QPointF& p : accuracyMarkers_) painter.drawEllipse(p, 3.5, 3.5);
}

}  // namespace lintra::progress

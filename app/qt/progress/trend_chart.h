// One trend drawn with QPainter: first-try accuracy (solid line, filled circles, left axis) and
// median response time (dashed line, open squares, right axis) per period, told apart by line
// and marker as well as colour. The sessions that practised weak notes stand on a grey band.
#pragma once

#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "journal/journal_reader.h"

namespace lintra::progress {

class TrendChart : public QWidget {
  Q_OBJECT
 public:
  explicit TrendChart(QString title, QString periodCaption, QWidget* parent = nullptr);

  // `labels`: one per point, under the period axis.
  void SetPoints(std::vector<journal::TrendPoint> points, QStringList labels);
  const std::vector<journal::TrendPoint>& Points() const { return points_; }
  // Where the last paint put each point's accuracy and time markers, in the widget's pixels.
  const std::vector<QPointF>& AccuracyMarkers() const { return accuracyMarkers_; }
  const std::vector<QPointF>& TimeMarkers() const { return timeMarkers_; }
  const std::vector<QRectF>& WeakNotesBands() const { return weakNotesBands_; }

  QSize sizeHint() const override { return QSize(380, 230); }
  QSize minimumSizeHint() const override { return QSize(300, 200); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double PeriodX(const QRectF& plot, std::size_t i) const;
  bool AnyWeakNotes() const;
  void DrawTitleAndKey(QPainter& painter);
  void DrawWeakNotesBands(QPainter& painter, const QRectF& plot);
  void DrawAxes(QPainter& painter, const QRectF& plot, int topSeconds);
  void DrawPeriodLabels(QPainter& painter, const QRectF& plot);
  void DrawPoints(QPainter& painter, const QRectF& plot, int topSeconds);

  QString title_;
  QString periodCaption_;
  std::vector<journal::TrendPoint> points_;
  QStringList labels_;
  std::vector<QPointF> accuracyMarkers_;
  std::vector<QPointF> timeMarkers_;
  std::vector<QRectF> weakNotesBands_;
};

// The seconds at the top of the time axis: a whole number of seconds above every median.
int TimeAxisTop(const std::vector<journal::TrendPoint>& points);

}  // namespace lintra::progress

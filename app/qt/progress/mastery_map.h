// The mastery map: every note of the pool on the grand staff, each in its state's colour, with
// the state's symbol and its figure under it, and a legend.
#pragma once

#include <QRectF>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "coach/progress_report.h"

namespace lintra::progress {

class MasteryMap : public QWidget {
  Q_OBJECT
 public:
  // Where a note was drawn, in the widget's pixels.
  struct Mark {
    theory::NoteSlot slot = 0;
    practice::MasteryState state = practice::MasteryState::New;
    QRectF head;     // the note head's ink
    QRectF symbol;   // the state's symbol
    QString figure;  // MasteryFigure
  };

  explicit MasteryMap(QWidget* parent = nullptr);

  void SetNotes(theory::KeyId key, std::vector<coach::NoteMastery> notes);
  // Laid out by the last paint.
  const std::vector<Mark>& Marks() const { return marks_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int Systems() const;
  void DrawSystem(QPainter& painter, QPointF origin, std::size_t first, std::size_t count);
  void DrawLegend(QPainter& painter, QPointF origin);

  theory::KeyId key_ = theory::KeyId::CMajor;
  std::vector<coach::NoteMastery> notes_;
  std::vector<Mark> marks_;
};

// How sure the model is that the note is read fluently, in per cent; "–" for a note never asked.
QString MasteryFigure(const practice::Mastery& mastery);

}  // namespace lintra::progress

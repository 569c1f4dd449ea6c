// The mastery map: every note of the pool on the grand staff, or on the C clef's own staff for an
// alto or tenor pool, each in its state's colour, with the state's symbol, its figure and its name
// under it. Its legend is a widget of its own (MapLegend), so that it is never cut off by a narrow map.
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
    QString name;    // as the student names notes
    QRectF nameBox;  // where the name was written
  };

  explicit MasteryMap(QWidget* parent = nullptr);

  void SetNotes(theory::KeyId key, std::vector<coach::NoteMastery> notes,
                practice::ClefRange range = practice::ClefRange::Grand);
  // Laid out by the last paint.
  const std::vector<Mark>& Marks() const { return marks_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int Systems() const;
  double SystemHeight() const;
  void DrawSystem(QPainter& painter, QPointF origin, std::size_t first, std::size_t count);
  void DrawLabels(QPainter& painter, const coach::NoteMastery& note, double centre, std::size_t row, Mark& mark);

  theory::KeyId key_ = theory::KeyId::CMajor;
  practice::ClefRange range_ = practice::ClefRange::Grand;
  std::vector<coach::NoteMastery> notes_;
  std::vector<Mark> marks_;
  // Names too wide for a note's column take two rows, every other note on the lower one.
  bool staggered_ = false;
};

// How sure the model is that the note is read fluently, in per cent; "–" for a note never asked.
QString MasteryFigure(const practice::Mastery& mastery);

}  // namespace lintra::progress

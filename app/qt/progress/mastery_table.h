// The mastery map as a table, one row a note: its name, state, figure and first tries. What a
// screen reader reads of the map, and what a teacher sorts by any column.
#pragma once

#include <QTableWidget>
#include <vector>

#include "coach/progress_report.h"

namespace lintra::progress {

class MasteryTable : public QTableWidget {
  Q_OBJECT
 public:
  enum Column { Note, State, Figure, Answers };

  explicit MasteryTable(QWidget* parent = nullptr);
  // Low to high until the teacher sorts by another column; the order chosen stays.
  void SetNotes(const std::vector<coach::NoteMastery>& notes);

  // As wide as its columns, so that the window opens with every column whole where there is room.
  QSize sizeHint() const override;
};

}  // namespace lintra::progress

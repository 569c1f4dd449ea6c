#include "app/qt/progress/mastery_table.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

#include "app/qt/progress/mastery_map.h"
#include "coach/progress_summary.h"

namespace lintra::progress {
namespace {

// Sorted by a key of its own: notes low to high, figures as numbers with the never-asked first.
class Cell : public QTableWidgetItem {
 public:
  Cell(const QString& text, double sortKey) : QTableWidgetItem(text) {
    setData(Qt::UserRole, sortKey);
    setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  }
  bool operator<(const QTableWidgetItem& other) const override {
    return data(Qt::UserRole).toDouble() < other.data(Qt::UserRole).toDouble();
  }
};

}  // namespace

MasteryTable::MasteryTable(QWidget* parent) : QTableWidget(0, 4, parent) {
  setObjectName(QStringLiteral("MasteryTable"));
  setHorizontalHeaderLabels({tr("Note"), tr("State"), tr("Per cent"), tr("Answers")});
  setAccessibleName(tr("Notes of the pool as a table"));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setTabKeyNavigation(false);
  verticalHeader()->setVisible(false);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
  horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  horizontalHeader()->setSortIndicator(Note, Qt::AscendingOrder);
}

void MasteryTable::SetNotes(const std::vector<coach::NoteMastery>& notes) {
  setSortingEnabled(false);
  clearContents();
  setRowCount(static_cast<int>(notes.size()));
  for (int row = 0; row < rowCount(); ++row) {
    const coach::NoteMastery& note = notes[static_cast<std::size_t>(row)];
    const practice::Mastery& mastery = note.mastery;
    setItem(row, Note, new Cell(QString::fromStdString(note.name), note.slot));
    setItem(row, State,
            new Cell(QString::fromStdString(coach::StateName(mastery.state)), static_cast<double>(mastery.state)));
    setItem(row, Figure, new Cell(MasteryFigure(mastery), mastery.firstTries == 0 ? -1.0 : mastery.figure));
    setItem(row, Answers, new Cell(QString::number(mastery.firstTries), mastery.firstTries));
    for (const Column column : {Figure, Answers})
      item(row, column)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  setSortingEnabled(true);
  updateGeometry();
}

QSize MasteryTable::sizeHint() const {
  const int frames = 2 * frameWidth();
  int width = frames + verticalScrollBar()->sizeHint().width();
  for (int column = 0; column < columnCount(); ++column)
    width += std::max(horizontalHeader()->sectionSizeHint(column), sizeHintForColumn(column));
  const int height =
      frames + horizontalHeader()->sizeHint().height() + rowCount() * verticalHeader()->defaultSectionSize();
  return {width, height};
}

}  // namespace lintra::progress

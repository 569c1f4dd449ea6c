// The "Progress" window: the mastery map, the trends, the recent mistakes in words, and the
// buttons that export the journal and reset progress. One window, shown again and refreshed on
// every request; it never blocks the trainer.
#pragma once

#include <QStringList>
#include <QWidget>

#include "coach/progress_report.h"
#include "coach/progress_view.h"

class QLabel;
class QPushButton;

namespace lintra::progress {

class MasteryMap;
class TrendChart;

class ProgressWindow : public QWidget, public coach::ProgressView {
  Q_OBJECT
 public:
  explicit ProgressWindow(QWidget* parent = nullptr);

  void Show(const coach::ProgressRequest& request) override;
  // Reads the journal again and redraws.
  void Reload();

  const coach::ProgressReport& Report() const { return report_; }
  QString Message() const;
  QStringList MistakeLines() const { return mistakeLines_; }
  MasteryMap& Map() const { return *map_; }
  TrendChart& DayChart() const { return *days_; }
  TrendChart& SessionChart() const { return *sessions_; }
  QPushButton& ExportButton() const { return *export_; }
  QPushButton& ResetButton() const { return *reset_; }

 private:
  void ExportClicked();
  void ResetClicked();

  coach::ProgressRequest request_;
  coach::ProgressReport report_;
  QLabel* message_;
  MasteryMap* map_;
  TrendChart* days_;
  TrendChart* sessions_;
  QLabel* mistakes_;
  QStringList mistakeLines_;
  QPushButton* export_;
  QPushButton* reset_;
};

}  // namespace lintra::progress

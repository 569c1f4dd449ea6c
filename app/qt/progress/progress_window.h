// The "Progress" window: the mastery map, the trends, the recent mistakes in words, and the
// buttons that export the journal and reset progress. One window, shown again and refreshed on
// every request; it never blocks the trainer.
#pragma once

#include <QStringList>
#include <QWidget>

#include "app/progress_view.h"
#include "app/qt/progress/progress_report.h"

class QLabel;
class QPushButton;

namespace lintra::progress {

class MasteryMap;
class TrendChart;

class ProgressWindow : public QWidget, public app::ProgressView {
  Q_OBJECT
 public:
  explicit ProgressWindow(QWidget* parent = nullptr);

  void Show(const app::ProgressRequest& request) override;
  // Reads the journal again and redraws.
  void Reload();

  const ProgressReport& Report() const { return report_; }
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

  app::ProgressRequest request_;
  ProgressReport report_;
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

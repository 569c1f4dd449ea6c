// The "Progress" window: the mastery map and the same as a table, the trends, the recent mistakes in
// words, and the buttons that export the journal and reset progress. A teacher may look at another
// key or clef range than the student's without changing the student's exercise. One window, shown
// again and refreshed on every request and while open after every answer; it never blocks the
// trainer, and it stands inside the screen whatever the screen's size.
#pragma once

#include <QStringList>
#include <QWidget>

#include "coach/progress_report.h"
#include "coach/progress_view.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTimer;

namespace lintra::progress {

class MasteryMap;
class MasteryTable;
class CalendarChart;
class TrendChart;

class ProgressWindow : public QWidget, public coach::ProgressView {
  Q_OBJECT
 public:
  explicit ProgressWindow(QWidget* parent = nullptr);

  // Shows the trainer's key and clef range, whatever was chosen in the window before.
  void Show(const coach::ProgressRequest& request) override;
  // While shown, the journal is read again a moment later (answers come in runs).
  void Answered() override;
  // Reads the journal again and redraws.
  void Reload();

  const coach::ProgressReport& Report() const { return report_; }
  // What the window shows now: the trainer's request, or another key or clef range chosen here.
  const coach::ProgressRequest& Shown() const { return request_; }
  QString Message() const;
  QStringList MistakeLines() const { return mistakeLines_; }
  MasteryMap& Map() const { return *map_; }
  MasteryTable& Table() const { return *table_; }
  TrendChart& DayChart() const { return *days_; }
  TrendChart& SessionChart() const { return *sessions_; }
  QLabel& MapSummary() const { return *mapSummary_; }
  QLabel& DaySummary() const { return *daySummary_; }
  QLabel& SessionSummary() const { return *sessionSummary_; }
  CalendarChart& Calendar() const { return *calendar_; }
  QLabel& CalendarSummary() const { return *calendarSummary_; }
  QComboBox& KeyChoice() const { return *keyChoice_; }
  QComboBox& ClefChoice() const { return *clefChoice_; }
  QTabWidget& Pages() const { return *pages_; }
  QPushButton& ExportButton() const { return *export_; }
  QPushButton& ResetButton() const { return *reset_; }
  // Milliseconds from an answer to the window reading the journal again.
  static constexpr int kRefreshDelayMs = 300;

 private:
  QLayout* BuildChoices();
  QWidget* BuildNotesPage();
  QWidget* BuildTrendsPage();
  QWidget* BuildCalendarPage();
  QLayout* BuildButtons();
  void ChooseAsTrainer();
  void Renew();
  void PlaceOnScreen();
  void KeepOnScreen();
  void ExportClicked();
  void ResetClicked();

  coach::ProgressRequest trainer_;  // as the trainer asked last
  coach::ProgressRequest request_;  // as shown
  coach::ProgressReport report_;
  QComboBox* keyChoice_;
  QComboBox* clefChoice_;
  QLabel* message_;
  QTabWidget* pages_;
  MasteryMap* map_;
  QWidget* mapScroll_;
  QLabel* mapSummary_;
  MasteryTable* table_;
  TrendChart* days_;
  QLabel* daySummary_;
  TrendChart* sessions_;
  QLabel* sessionSummary_;
  CalendarChart* calendar_;
  QLabel* calendarSummary_;
  QLabel* mistakes_;
  QStringList mistakeLines_;
  QPushButton* export_;
  QPushButton* reset_;
  QTimer* refresh_;
};

}  // namespace lintra::progress

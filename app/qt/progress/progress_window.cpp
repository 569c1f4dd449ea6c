#include "app/qt/progress/progress_window.h"

#include <QDate>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt/progress/mastery_map.h"
#include "app/qt/progress/trend_chart.h"

namespace lintra::progress {
namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QLabel* Heading(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

QStringList DayLabels(const std::vector<journal::TrendPoint>& days) {
  QStringList labels;
  for (const auto& day : days) labels << QDate(1970, 1, 1).addDays(day.period).toString(QStringLiteral("d MMM"));
  return labels;
}

QStringList SessionLabels(std::size_t count) {
  QStringList labels;
  for (std::size_t i = 1; i <= count; ++i) labels << QString::number(i);
  return labels;
}

}  // namespace

ProgressWindow::ProgressWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("ProgressWindow"));
  setWindowTitle(tr("Progress"));
  setAttribute(Qt::WA_DeleteOnClose, false);

  auto* layout = new QVBoxLayout(this);
  message_ = new QLabel(this);
  message_->setWordWrap(true);
  QFont big = message_->font();
  big.setPointSizeF(big.pointSizeF() * 1.2);
  message_->setFont(big);
  layout->addWidget(message_);

  layout->addWidget(Heading(tr("Notes of the current pool"), this));
  map_ = new MasteryMap(this);
  layout->addWidget(map_, 0, Qt::AlignLeft);

  layout->addWidget(Heading(tr("Trends"), this));
  auto* charts = new QHBoxLayout;
  days_ = new TrendChart(tr("Per day"), tr("Day (the days with practice of the last %1)").arg(coach::kTrendDays), this);
  sessions_ = new TrendChart(tr("Per practice session"),
                             tr("Session (last %1, oldest first)").arg(coach::kTrendSessions), this);
  charts->addWidget(days_);
  charts->addWidget(sessions_);
  layout->addLayout(charts, 1);

  layout->addWidget(Heading(tr("Mistakes of the last seven days"), this));
  mistakes_ = new QLabel(this);
  mistakes_->setWordWrap(true);
  mistakes_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(mistakes_);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  export_ = new QPushButton(tr("Export Journal..."), this);
  reset_ = new QPushButton(tr("Reset Progress..."), this);
  buttons->addWidget(export_);
  buttons->addWidget(reset_);
  layout->addLayout(buttons);
  connect(export_, &QPushButton::clicked, this, [this] { ExportClicked(); });
  connect(reset_, &QPushButton::clicked, this, [this] { ResetClicked(); });
}

void ProgressWindow::Show(const coach::ProgressRequest& request) {
  request_ = request;
  Reload();
  show();
  raise();
  activateWindow();
}

void ProgressWindow::Reload() {
  report_ = coach::ReadProgress(request_);
  message_->setText(Q(report_.message));
  message_->setVisible(!report_.message.empty());
  map_->SetNotes(request_.key, report_.notes);
  days_->SetPoints(report_.days, DayLabels(report_.days));
  sessions_->SetPoints(report_.sessions, SessionLabels(report_.sessions.size()));

  mistakeLines_.clear();
  for (const coach::MistakeLine& line : report_.mistakes) {
    mistakeLines_ << tr("%1: %2. For example: %3.").arg(Q(line.caption)).arg(line.count).arg(Q(line.example));
  }
  mistakes_->setText(mistakeLines_.isEmpty() ? tr("None.") : mistakeLines_.join(QLatin1Char('\n')));
  export_->setEnabled(static_cast<bool>(request_.exportJournal));
  reset_->setEnabled(static_cast<bool>(request_.resetProgress));
}

QString ProgressWindow::Message() const { return message_->isVisibleTo(this) ? message_->text() : QString(); }

void ProgressWindow::ExportClicked() {
  // A copy: the command may ask for the window again and replace the request while it runs.
  const auto command = request_.exportJournal;
  if (command) command();
}

void ProgressWindow::ResetClicked() {
  const auto command = request_.resetProgress;
  if (!command) return;
  command();
  Reload();
}

}  // namespace lintra::progress

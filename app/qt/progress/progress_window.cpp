#include "app/qt/progress/progress_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/qt/progress/calendar_chart.h"
#include "app/qt/progress/map_legend.h"
#include "app/qt/progress/mastery_map.h"
#include "app/qt/progress/mastery_table.h"
#include "app/qt/progress/screen_fit.h"
#include "app/qt/progress/trend_chart.h"
#include "ui/key_menus.h"
#include "ui/layout_texts.h"

namespace lintra::progress {
namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A line of words under a picture, saying what it shows.
QLabel* Summary(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
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

// The menu caption of `item`, in the student's language.
QString MenuCaption(std::string_view item) {
  for (const ui::MenuSpec& row : ui::Menus()) {
    if (row.name == item) return QString::fromStdString(ui::MenuCaption(row));
  }
  return Q(item);
}

// The clef ranges offered, named as the "Clefs" menu names them.
constexpr std::pair<practice::ClefRange, ui::MenuName> kRanges[] = {
    {practice::ClefRange::Treble, ui::menu::ClavedoSol1},
    {practice::ClefRange::Bass, ui::menu::ClavedoF1},
    {practice::ClefRange::Grand, ui::menu::Ambos1},
};

// Asks for room to show the whole of its picture; it scrolls where the screen has less.
class PictureScroll : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override {
    const QSize scrollBars(verticalScrollBar()->sizeHint().width(), horizontalScrollBar()->sizeHint().height());
    return widget() != nullptr ? widget()->sizeHint() + scrollBars + QSize(2, 2) * frameWidth()
                               : QScrollArea::sizeHint();
  }
};

void Select(QComboBox& choice, int value) {
  const QSignalBlocker quiet(choice);
  choice.setCurrentIndex(choice.findData(value));
}

}  // namespace

ProgressWindow::ProgressWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("ProgressWindow"));
  setWindowTitle(tr("Progress"));
  setAttribute(Qt::WA_DeleteOnClose, false);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(BuildChoices());
  message_ = new QLabel(this);
  message_->setWordWrap(true);
  QFont big = message_->font();
  big.setPointSizeF(big.pointSizeF() * 1.2);
  message_->setFont(big);
  layout->addWidget(message_);

  pages_ = new QTabWidget(this);
  pages_->addTab(BuildNotesPage(), tr("Notes"));
  pages_->addTab(BuildTrendsPage(), tr("Trends"));
  pages_->addTab(BuildCalendarPage(), tr("Calendar"));
  auto* mistakes = new QScrollArea(pages_);
  mistakes_ = new QLabel(mistakes);
  mistakes_->setWordWrap(true);
  mistakes_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  mistakes_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  mistakes->setWidget(mistakes_);
  mistakes->setWidgetResizable(true);
  pages_->addTab(mistakes, tr("Mistakes of the last seven days"));
  layout->addWidget(pages_, 1);
  layout->addLayout(BuildButtons());

  refresh_ = new QTimer(this);
  refresh_->setSingleShot(true);
  refresh_->setInterval(kRefreshDelayMs);
  connect(refresh_, &QTimer::timeout, this, [this] { Renew(); });
}

QLayout* ProgressWindow::BuildChoices() {
  auto* row = new QHBoxLayout;
  keyChoice_ = new QComboBox(this);
  for (const ui::MenuSpec& row : ui::Menus()) {
    if (const auto key = ui::KeyOfMenu(row.name))
      keyChoice_->addItem(QString::fromStdString(ui::MenuCaption(row)), static_cast<int>(*key));
  }
  clefChoice_ = new QComboBox(this);
  for (const auto& [range, item] : kRanges) clefChoice_->addItem(MenuCaption(item.text), static_cast<int>(range));
  auto* keyLabel = new QLabel(tr("&Key:"), this);
  keyLabel->setBuddy(keyChoice_);
  auto* clefLabel = new QLabel(tr("&Clef:"), this);
  clefLabel->setBuddy(clefChoice_);
  row->addWidget(keyLabel);
  row->addWidget(keyChoice_);
  row->addSpacing(12);
  row->addWidget(clefLabel);
  row->addWidget(clefChoice_);
  row->addStretch(1);
  const auto chosen = [this] {
    request_ = coach::InKeyAndRange(trainer_, static_cast<theory::KeyId>(keyChoice_->currentData().toInt()),
                                    static_cast<practice::ClefRange>(clefChoice_->currentData().toInt()));
    // The trainer's own choice is shown as the trainer asks for it: its pool, its model.
    if (request_.key == trainer_.key && request_.clefRange == trainer_.clefRange) request_ = trainer_;
    Reload();
  };
  connect(keyChoice_, &QComboBox::currentIndexChanged, this, chosen);
  connect(clefChoice_, &QComboBox::currentIndexChanged, this, chosen);
  return row;
}

QWidget* ProgressWindow::BuildNotesPage() {
  auto* page = new QWidget(this);
  auto* row = new QHBoxLayout(page);
  auto* left = new QVBoxLayout;
  map_ = new MasteryMap(page);
  map_->setAccessibleName(tr("Mastery map"));
  auto* scroll = new PictureScroll(page);
  scroll->setWidget(map_);
  scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->viewport()->setAutoFillBackground(true);
  QPalette white = scroll->viewport()->palette();
  white.setColor(QPalette::Window, Qt::white);
  scroll->viewport()->setPalette(white);
  left->addWidget(scroll);
  mapScroll_ = scroll;
  left->addWidget(new MapLegend(page));
  mapSummary_ = Summary(page);
  left->addWidget(mapSummary_);
  left->addStretch(1);
  row->addLayout(left, 1);
  table_ = new MasteryTable(page);
  row->addWidget(table_);
  return page;
}

QWidget* ProgressWindow::BuildTrendsPage() {
  auto* page = new QWidget(this);
  auto* row = new QHBoxLayout(page);
  days_ = new TrendChart(tr("Per day"), tr("Day (the days with practice of the last %1)").arg(coach::kTrendDays), page);
  sessions_ = new TrendChart(tr("Per practice session"),
                             tr("Session (last %1, oldest first)").arg(coach::kTrendSessions), page);
  daySummary_ = Summary(page);
  sessionSummary_ = Summary(page);
  for (const auto& [chart, summary] : {std::pair{days_, daySummary_}, std::pair{sessions_, sessionSummary_}}) {
    auto* column = new QVBoxLayout;
    column->addWidget(chart, 1);
    column->addWidget(summary);
    row->addLayout(column);
  }
  return page;
}

QWidget* ProgressWindow::BuildCalendarPage() {
  auto* page = new QWidget(this);
  auto* column = new QVBoxLayout(page);
  calendar_ = new CalendarChart(coach::kCalendarWeeks, page);
  calendarSummary_ = Summary(page);
  column->addWidget(calendar_, 0, Qt::AlignLeft);
  column->addWidget(calendarSummary_);
  column->addStretch(1);
  return page;
}

QLayout* ProgressWindow::BuildButtons() {
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  export_ = new QPushButton(tr("Export Journal..."), this);
  reset_ = new QPushButton(tr("Reset Progress..."), this);
  auto* close = new QPushButton(tr("Close"), this);
  for (QPushButton* button : {export_, reset_, close}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  connect(export_, &QPushButton::clicked, this, [this] { ExportClicked(); });
  connect(reset_, &QPushButton::clicked, this, [this] { ResetClicked(); });
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  return buttons;
}

void ProgressWindow::Show(const coach::ProgressRequest& request) {
  trainer_ = request;
  ChooseAsTrainer();
  Reload();
  const bool placed = isVisible();
  if (!placed) PlaceOnScreen();
  show();
  raise();
  activateWindow();
  // The window manager's frame is known once the window is shown.
  if (!placed) QTimer::singleShot(0, this, [this] { KeepOnScreen(); });
}

void ProgressWindow::ChooseAsTrainer() {
  request_ = trainer_;
  Select(*keyChoice_, static_cast<int>(trainer_.key));
  if (clefChoice_->findData(static_cast<int>(trainer_.clefRange)) < 0) {
    clefChoice_->addItem(Q(practice::Code(trainer_.clefRange)), static_cast<int>(trainer_.clefRange));
  }
  Select(*clefChoice_, static_cast<int>(trainer_.clefRange));
}

void ProgressWindow::Answered() {
  if (isVisible() && trainer_.renewed) refresh_->start();
}

void ProgressWindow::Renew() {
  // The trainer's request made again, the key and clef range chosen here kept.
  const auto key = request_.key;
  const auto range = request_.clefRange;
  trainer_ = trainer_.renewed();
  request_ = key == trainer_.key && range == trainer_.clefRange ? trainer_ : coach::InKeyAndRange(trainer_, key, range);
  Reload();
}

void ProgressWindow::Reload() {
  report_ = coach::ReadProgress(request_);
  message_->setText(Q(report_.message));
  message_->setVisible(!report_.message.empty());
  map_->SetNotes(request_.key, report_.notes, request_.clefRange);
  mapScroll_->updateGeometry();
  table_->SetNotes(report_.notes);
  days_->SetPoints(report_.days, DayLabels(report_.days));
  sessions_->SetPoints(report_.sessions, SessionLabels(report_.sessions.size()));
  calendar_->SetDays(report_.calendar, report_.today);
  const std::string mapText =
      report_.forecast.empty() ? report_.mapSummary : report_.mapSummary + "\n" + report_.forecast;
  for (const auto& [widget, label, text] :
       {std::tuple<QWidget*, QLabel*, const std::string&>{map_, mapSummary_, mapText},
        {days_, daySummary_, report_.daySummary},
        {sessions_, sessionSummary_, report_.sessionSummary},
        {calendar_, calendarSummary_, report_.calendarSummary}}) {
    label->setText(Q(text));
    widget->setAccessibleDescription(Q(text));
  }
  days_->setAccessibleName(tr("Per day"));
  sessions_->setAccessibleName(tr("Per practice session"));

  mistakeLines_.clear();
  for (const coach::MistakeLine& line : report_.mistakes) {
    mistakeLines_ << tr("%1: %2. For example: %3.").arg(Q(line.caption)).arg(line.count).arg(Q(line.example));
  }
  mistakes_->setText(mistakeLines_.isEmpty() ? tr("None.") : mistakeLines_.join(QLatin1Char('\n')));
  export_->setEnabled(static_cast<bool>(request_.exportJournal));
  reset_->setEnabled(static_cast<bool>(request_.resetProgress));
}

QString ProgressWindow::Message() const { return message_->isVisibleTo(this) ? message_->text() : QString(); }

void ProgressWindow::PlaceOnScreen() {
  const QWidget* near = QApplication::activeWindow();
  QScreen* screen = near != nullptr ? near->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  // Layouts never shown keep the size hints they first worked out, before the report was in.
  for (QLayout* each : findChildren<QLayout*>()) each->invalidate();
  QRect wanted(QPoint(), sizeHint().expandedTo(minimumSizeHint()));
  wanted.moveCenter(available.center());
  setGeometry(FitOnScreen(available, wanted, FrameOf(*this)));
}

void ProgressWindow::KeepOnScreen() {
  if (QScreen* shown = screen()) setGeometry(FitOnScreen(shown->availableGeometry(), geometry(), FrameOf(*this)));
}

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

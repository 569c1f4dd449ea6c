#include "app/qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QTimer>
#include <algorithm>

#include "app/qt/accessibility.h"
#include "app/qt/accessible_widgets.h"
#include "app/qt/layout_look.h"
#include "app/qt/menu_titles_fit.h"
#include "app/qt/text_room.h"
#include "controls/elastfrm.h"
#include "controls/gradbtn.h"
#include "midi/midi_service.h"
#include "ui/layout_texts.h"
#include "ui/translate.h"

namespace lintra::frontend {

MainWindow::MainWindow(WindowServices services)
    : midi_(std::move(services.midi)), reachMidi_(std::move(services.reachMidi)) {
  // The layout's fonts, where the platform lacks them.
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  InstallAccessibleWidgets();
  setObjectName("Form2");
  setWindowTitle(Q(ui::TrMarked(ui::kWindowContext, ui::kWindowCaption)));
  setAccessibleName(Q(kSpokenProgramName));
  setPalette(LayoutPalette());
  client_ = new QWidget(this);  // unnamed: the scaling walks through it to the controls
  client_->setAutoFillBackground(true);
  QPalette palette = client_->palette();
  palette.setColor(QPalette::Window, ColourOf(ui::kWindowColour));
  client_->setPalette(palette);
  client_->setFont(FontOf(ui::kWindowFont));
  client_->resize(ui::kDesignClientWidth, ui::kDesignClientHeight);
  setCentralWidget(client_);

  paintBox_ = new PaintBoxWidget(nullptr);
  MarkAsStaff(paintBox_);
  paintBox_->setParent(client_);
  app::FormServices formServices{services.clock,
                                 services.dialogs,
                                 services.shell,
                                 pump_,
                                 *paintBox_,
                                 *midi_,
                                 loop_,
                                 std::filesystem::path(services.settingsFile),
                                 std::move(services.helpDocument)};
  trainer_ = std::make_unique<app::Trainer>(model_, formServices,
                                            app::PracticeServices{std::move(services.journalPath), &progress_},
                                            app::ListeningServices{std::move(services.capture), &soundInputs_});
  form_ = &trainer_->Form();
  waker_ = std::make_unique<EventWaker>([this] { form_->Guard([this] { loop_.DispatchPending(); }); });
  loop_.SetWaker(waker_.get());

  announcer_ = std::make_unique<Announcer>(this);
  BuildControls();
  BuildMenus();
  // Menus keep the system's menu font: they must not grow with the scaled form
  // font, or the client area would shrink after every rescale.
  menuBar()->setFont(QApplication::font(menuBar()));
  menuPoints_ = menuBar()->font().pointSize();
  FitMenuTitles(menuBar(), menuPoints_, ui::kDesignClientWidth);
  // The design size, for a desktop that does not maximize windows.
  resize(ui::kDesignClientWidth, ui::kDesignClientHeight + menuBar()->sizeHint().height());

  MakeElasticForm();
  elastic_->OnAfterResize = [this] { AfterRescale(); };
  model_.OnControlChanged = [this](const ui::Control& control) { SyncControl(control); };
  model_.OnMenuChanged = [this](const ui::MenuItem& item) { SyncMenu(item); };
  model_.OnAnnounce = [this](const std::string& text) {
    announcements_.push_back(Q(text));
    PublishLater();
  };
  form_->OnHandled = [this] { PublishSettled(); };
}

// Every control scales with the window from the design layout.
void MainWindow::MakeElasticForm() {
  elastic_ = new controls::TElasticForm(this);
  elastic_->setObjectName("ElasticForm1");
  elastic_->SetDesignScreenWidth(808);
  elastic_->SetDesignScreenHeight(580);
  elastic_->SetDesignPixelsPerInch(96);
  elastic_->SetMaximumTrackWidth(1280);
  elastic_->SetMaximumTrackHeight(1024);
  elastic_->SetDesignFormWidth(819);
  elastic_->SetDesignFormHeight(478);
  elastic_->SetDesignFormClientWidth(ui::kDesignClientWidth);
  elastic_->SetDesignFormClientHeight(ui::kDesignClientHeight);
  elastic_->SetDesignFormLeft(201);
  elastic_->SetDesignFormTop(126);
  elastic_->SetFont(FontOf(ui::kWindowFont));
}

MainWindow::~MainWindow() {
  // Widgets going away emit signals (a focused edit field finishes editing):
  // none of them may reach the window's logic any more.
  syncing_ = true;
  elastic_->OnAfterResize = nullptr;
  delete client_;
  client_ = nullptr;
  widgets_.clear();
  delete menuBar();
  actions_.clear();
  loop_.SetWaker(nullptr);
  model_.OnControlChanged = nullptr;
  model_.OnMenuChanged = nullptr;
  model_.OnAnnounce = nullptr;
  form_->OnHandled = nullptr;
  form_ = nullptr;
  trainer_.reset();
}

void MainWindow::Create() {
  if (reachMidi_) reachMidi_();
  form_->FormCreate();
  created_ = true;
  // Shown before its creation: the paint and activation handlers it missed.
  if (isVisible() && !painted_) {
    painted_ = true;
    form_->FormPaint();
  }
  if (isVisible() && isActiveWindow()) form_->Initial();
}

void MainWindow::ShowMaximizedThenCreate() {
  createAfterPaint_ = true;
  client_->installEventFilter(this);
  showMaximized();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (createAfterPaint_ && watched == client_ && event->type() == QEvent::Paint) {
    createAfterPaint_ = false;
    client_->removeEventFilter(this);
    // After this paint has reached the screen.
    QTimer::singleShot(0, this, [this] { Create(); });
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::NameKeys() {
  for (int i = 0; i < static_cast<int>(ui::Keyboard().size()); ++i) {
    widgets_.at(&model_.Key(i))->setAccessibleName(Q(form_->KeyAccessibleName(i)));
  }
}

// A white key's name is drawn in the part of the key that the black keys leave
// visible, below their bottom edge.
void MainWindow::PlaceKeyCaptions() {
  int blackKeyHeight = 0;
  for (const auto& key : ui::Keyboard()) {
    if (key.black) blackKeyHeight = std::max(blackKeyHeight, WidgetNamed(key.name)->height());
  }
  for (const auto& key : ui::Keyboard()) {
    if (!key.black) static_cast<controls::TGradBtn*>(WidgetNamed(key.name))->SetCaptionTop(blackKeyHeight);
  }
}

// The scaled fonts stand wherever the texts fit; a control whose text would be
// cut off gets the largest smaller size at which it fits.
void MainWindow::AfterRescale() {
  PlaceKeyCaptions();
  // Only a new width can change the menu titles' fit here; trying the sizes anew on every rescale
  // would set the bar's font back and forth each time.
  if (width() != menuTitlesWidth_) {
    FitMenuTitles(menuBar(), menuPoints_, width());
    menuTitlesWidth_ = width();
  }
  for (const auto& [control, widget] : widgets_) {
    scaledPoints_[widget] = widget->font().pointSize();
    FitText(widget);
  }
}

void MainWindow::FitText(QWidget* widget) {
  // Before the first rescale the design font is the size to fit from: a translated text longer than
  // the English one must fit the design size too.
  const auto scaled = scaledPoints_.try_emplace(widget, widget->font().pointSize()).first;
  const int points = FittingPoints(widget, scaled->second);
  if (widget->font().pointSize() == points) return;
  QFont font = widget->font();
  font.setPointSize(points);
  widget->setFont(font);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  form_->FormClose();
  event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && created_) form_->Initial();
}

// The window's paint handler runs when the window is first shown, not on every
// repaint of a child control: hovering over a key never erases the question.
// The picture lives in an image that survives covering, uncovering and
// resizing, so there is nothing for the handler to restore afterwards; running
// it on every resize would wipe a question that has not been answered yet.
void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (created_ && !painted_) {
    painted_ = true;
    form_->FormPaint();
  }
}

}  // namespace lintra::frontend

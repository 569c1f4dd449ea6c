#include "app/qt/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "app/qt/accessibility.h"
#include "app/qt/text_room.h"
#include "controls/elastfrm.h"
#include "controls/gradbtn.h"
#include "midi/midi_service.h"

namespace lintra::frontend {
namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Heights at 96 pixels per inch to points, rounded half up: 11 px = 8 pt, 13 = 10, 16 = 12, 19 = 14.
int PixelsToPoints(int pixels) { return static_cast<int>(std::floor(pixels * 72.0 / 96.0 + 0.5)); }

QFont FontOf(const ui::FontSpec& layout) {
  QFont font(Q(layout.family));
  font.setPointSize(PixelsToPoints(layout.pixels));
  font.setBold(layout.bold);
  return font;
}

QColor ColourOf(ui::Colour colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

// The layout's colours belong to the window, not to the desktop: under a dark
// desktop palette the fields would otherwise turn dark with light text, the
// labels light on silver, and the keys' system-coloured bevels and captions
// would change with them. Every role of every group is set, so nothing of the
// desktop's palette is inherited.
QPalette LayoutPalette() {
  QPalette palette(QColor(0xEF, 0xEF, 0xEF));  // Qt's own light palette, computed from its button colour
  for (const auto group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Window, ColourOf(ui::kWindowColour));
    palette.setColor(group, QPalette::WindowText, Qt::black);
    palette.setColor(group, QPalette::Base, Qt::white);
    palette.setColor(group, QPalette::Text, Qt::black);
    palette.setColor(group, QPalette::ButtonText, Qt::black);
  }
  palette.setColor(QPalette::Disabled, QPalette::Window, ColourOf(ui::kWindowColour));
  palette.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
  for (int group = 0; group < QPalette::NColorGroups; ++group) {
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      const auto g = static_cast<QPalette::ColorGroup>(group);
      const auto r = static_cast<QPalette::ColorRole>(role);
      if (r == QPalette::NoRole) continue;
      palette.setBrush(g, r, palette.brush(g, r));  // marks the role as set
    }
  }
  return palette;
}

controls::TGradientStyle StyleOf(ui::GradientStyle style) {
  return static_cast<controls::TGradientStyle>(static_cast<int>(style));
}

}  // namespace

PaintBoxWidget::PaintBoxWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void PaintBoxWidget::DrawText(int x, int y, std::string_view text, const notation::TextStyle& style) {
  picture_.DrawText(x, y, text, style);
  update();
}

// The picture keeps its proportions and grows with the paint box, which the
// window scales; its drawing coordinates stay those of the design layout. It
// is drawn afresh at the first whole number of device pixels per design pixel
// that reaches the screen's resolution, so it is never enlarged: at a whole
// scale it is shown as drawn, otherwise reduced with area averaging, which
// keeps thin staff lines even. Both are redone only when the picture or the
// size changed.
void PaintBoxWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  // Nothing drawn yet, as when the window is first shown, before its first question: the white is
  // the whole picture, and rendering it large only to reduce it would slow the first paint.
  if (picture_.KeptDraws() == 0) return;
  const double ratio = devicePixelRatioF();
  const double scale =
      std::min(width() / double(notation::ImageCanvas::kWidth), height() / double(notation::ImageCanvas::kHeight)) *
      ratio;
  const QSize target(int(notation::ImageCanvas::kWidth * scale), int(notation::ImageCanvas::kHeight * scale));
  if (target.isEmpty()) return;
  const QImage& picture = picture_.Image(std::max(1, int(std::ceil(scale - 1e-6))));
  if (scaled_.size() != target || scaledFrom_ != picture.cacheKey()) {
    scaled_ = QImage();  // let go of the old reduction before making the new one
    scaled_ =
        picture.size() == target ? picture : picture.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled_.setDevicePixelRatio(ratio);
    scaledFrom_ = picture.cacheKey();
  }
  painter.drawImage(0, 0, scaled_);
}

MainWindow::MainWindow(WindowServices services)
    : midi_(std::move(services.midi)), reachMidi_(std::move(services.reachMidi)) {
  // The layout's fonts, where the platform lacks them.
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  setObjectName("Form2");
  setWindowTitle(Q(ui::kWindowCaption));
  setPalette(LayoutPalette());
  client_ = new QWidget(this);  // unnamed: the scaling walks through it to the controls
  client_->setAutoFillBackground(true);
  QPalette palette = client_->palette();
  palette.setColor(QPalette::Window, ColourOf(ui::kWindowColour));
  client_->setPalette(palette);
  client_->setFont(FontOf(ui::kWindowFont));
  client_->resize(ui::kDesignClientWidth, ui::kDesignClientHeight);
  setCentralWidget(client_);

  paintBox_ = new PaintBoxWidget(client_);
  app::FormServices formServices{services.clock,
                                 services.dialogs,
                                 services.shell,
                                 pump_,
                                 *paintBox_,
                                 *midi_,
                                 loop_,
                                 std::filesystem::path(services.settingsFile),
                                 std::move(services.helpDocument)};
  formServices.journalPath = std::move(services.journalPath);
  formServices.progressView = &progress_;
  form_ = std::make_unique<app::TForm2>(model_, formServices);
  waker_ = std::make_unique<EventWaker>([this] { form_->Guard([this] { loop_.DispatchPending(); }); });
  loop_.SetWaker(waker_.get());

  BuildControls();
  BuildMenus();
  // Menus keep the system's menu font: they must not grow with the scaled form
  // font, or the client area would shrink after every rescale.
  menuBar()->setFont(QApplication::font(menuBar()));
  // The design size, for a desktop that does not maximize windows.
  resize(ui::kDesignClientWidth, ui::kDesignClientHeight + menuBar()->sizeHint().height());

  // Every control scales with the window from the design layout.
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
  elastic_->OnAfterResize = [this] { AfterRescale(); };
  model_.OnControlChanged = [this](const ui::Control& control) { SyncControl(control); };
  model_.OnMenuChanged = [this](const ui::MenuItem& item) { SyncMenu(item); };
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
  form_.reset();
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

void MainWindow::BuildControls() {
  // Built in the layout's creation order: later controls lie on top, so every
  // black key covers the white keys it overlaps.
  for (const auto name : ui::CreationOrder()) {
    ui::Control& control = model_.ControlNamed(name);
    const auto& layout = control.layout;
    QWidget* widget = nullptr;
    switch (layout.kind) {
      case ui::ControlKind::TextField:
      case ui::ControlKind::RichText: {
        // Made without a parent and given its own font first: a text field lays out its text as it
        // is made, and each font it meets costs a font match.
        auto* edit = new QLineEdit;
        edit->setFont(FontOf(layout.font));
        edit->setParent(client_);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus);  // read-only fields are no tab stops
        if (layout.kind == ui::ControlKind::RichText) edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        widget = edit;
        break;
      }
      case ui::ControlKind::Label:
        widget = new QLabel(client_);
        break;
      case ui::ControlKind::ComboEdit:
      case ui::ControlKind::ComboPick: {
        auto* combo = new QComboBox(client_);
        combo->setFont(FontOf(layout.font));  // before its text field is made
        combo->setEditable(layout.kind == ui::ControlKind::ComboEdit);
        combo->setInsertPolicy(QComboBox::NoInsert);
        connect(combo, &QComboBox::activated, this, [this, &control](int index) {
          if (!syncing_) form_->SelectItem(control, index);
        });
        if (combo->isEditable()) {
          // Typed text is applied when the user confirms it, not at every keystroke.
          connect(combo->lineEdit(), &QLineEdit::editingFinished, this, [this, &control, combo] {
            if (syncing_) return;
            const std::string text = combo->currentText().toStdString();
            if (text != control.text) form_->TypeText(control, text);
          });
        }
        widget = combo;
        break;
      }
      case ui::ControlKind::DataList:
        // A store the window never shows: its lines live in the model. A text editor here would
        // cost the start milliseconds for nothing.
        widget = new QWidget(client_);
        break;
      case ui::ControlKind::PaintBox:
        widget = paintBox_;
        paintBox_->raise();
        break;
      case ui::ControlKind::StatusLine:
        // Under the client area, outside the scaled layout: the window grows by it only while shown.
        statusBar()->setSizeGripEnabled(false);
        widget = statusBar();
        break;
      case ui::ControlKind::Button:
      case ui::ControlKind::Key: {
        auto* button = new controls::TGradBtn(client_);
        button->SetBeginColor(layout.beginColour);
        button->SetEndColor(layout.endColour);
        button->SetGradientStyle(StyleOf(layout.gradient));
        button->SetSwapColors(layout.swapColours);
        button->SetBtnHiliteClr(layout.btnHilite);
        button->SetFontColor(layout.font.colour);
        button->OnClick = [this, &control](controls::TGradBtn*) {
          form_->Guard([&control] {
            if (control.handler) control.handler();
          });
        };
        widget = button;
        break;
      }
    }
    widget->setObjectName(Q(layout.name));
    if (const QString spoken = AccessibleNameOf(layout.name); !spoken.isEmpty()) widget->setAccessibleName(spoken);
    if (layout.kind != ui::ControlKind::StatusLine) {
      widget->setGeometry(layout.left, layout.top, layout.width, layout.height);
    }
    if (layout.kind != ui::ControlKind::PaintBox) widget->setFont(FontOf(layout.font));
    widgets_[&control] = widget;
    SyncControl(control);
  }
  // The tab order of the layout.
  std::vector<std::pair<int, QWidget*>> order;
  for (const auto& [control, widget] : widgets_) {
    if (control->layout.tabOrder >= 0) order.emplace_back(control->layout.tabOrder, widget);
  }
  std::sort(order.begin(), order.end());
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1].second, order[i].second);
  static_cast<QLabel*>(Widget(ui::control::Label1))->setBuddy(Widget(ui::control::cmbInput));
  static_cast<QLabel*>(Widget(ui::control::Label3))->setBuddy(Widget(ui::control::cmbOutput));
  NameKeys();
  PlaceKeyCaptions();
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
  for (const auto& [control, widget] : widgets_) {
    scaledPoints_[widget] = widget->font().pointSize();
    FitText(widget);
  }
}

void MainWindow::FitText(QWidget* widget) {
  const auto scaled = scaledPoints_.find(widget);
  if (scaled == scaledPoints_.end()) return;  // before the first rescale: the design fonts stand
  const int points = FittingPoints(widget, scaled->second);
  if (widget->font().pointSize() == points) return;
  QFont font = widget->font();
  font.setPointSize(points);
  widget->setFont(font);
}

void MainWindow::BuildMenus() {
  std::map<const ui::MenuItem*, QMenu*> menus;
  // The radio items of one menu show radio marks as one exclusive group; none
  // checked is allowed, as in the model, which alone decides the checks.
  std::map<const ui::MenuItem*, QActionGroup*> radioGroups;
  for (const auto& owned : model_.AllMenus()) {
    ui::MenuItem* item = owned.get();
    QAction* action = nullptr;
    if (item->parent == nullptr) {
      QMenu* menu = menuBar()->addMenu(Q(item->caption));
      menu->setObjectName(Q(item->Name()));
      menus[item] = menu;
      action = menu->menuAction();
    } else if (item->OpensSubmenu()) {
      QMenu* menu = menus.at(item->parent)->addMenu(Q(item->caption));
      menu->setObjectName(Q(item->Name()));
      menus[item] = menu;
      action = menu->menuAction();
      // A submenu with a handler runs it each time it opens.
      if (item->handler) {
        connect(menu, &QMenu::aboutToShow, this, [this, item] { form_->Guard(item->handler); });
      }
    } else if (item->layout.caption == ui::kMenuSeparator) {
      action = menus.at(item->parent)->addSeparator();
    } else {
      action = menus.at(item->parent)->addAction(Q(item->caption));
      connect(action, &QAction::triggered, this, [this, item] {
        form_->Guard([item] {
          if (item->handler) item->handler();
        });
        // Choosing an item does not check it by itself: the handler decides,
        // for the item and for the siblings its group has changed.
        for (const auto& sibling : model_.AllMenus()) {
          if (sibling->parent == item->parent) SyncMenu(*sibling);
        }
      });
    }
    action->setObjectName(Q(item->Name()));
    action->setCheckable(item->layout.radio && item->parent != nullptr);
    if (action->isCheckable()) {
      QActionGroup*& group = radioGroups[item->parent];
      if (group == nullptr) {
        group = new QActionGroup(this);
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
      }
      group->addAction(action);
    }
    // An on/off item of its own is checkable outside every radio group.
    if (item->layout.toggle && item->parent != nullptr) action->setCheckable(true);
    actions_[item] = action;
    SyncMenu(*item);
  }
}

void MainWindow::SyncControl(const ui::Control& control) {
  auto it = widgets_.find(&control);
  if (it == widgets_.end()) return;
  QWidget* widget = it->second;
  syncing_ = true;
  switch (control.Kind()) {
    case ui::ControlKind::TextField:
    case ui::ControlKind::RichText: {
      auto* edit = static_cast<QLineEdit*>(widget);
      const QString text = Q(control.text);
      const bool changed = edit->text() != text;
      edit->setText(text);
      // The feedback and the counts change without the focus going there:
      // they are announced, so that a screen reader speaks them.
      if (changed && (control.Name() == ui::control::AnsShow.text || control.Name() == ui::control::Score.text ||
                      control.Name() == ui::control::Items.text)) {
        QAccessibleValueChangeEvent event(edit, text);
        if (Announce) Announce(&event);
      }
      break;
    }
    case ui::ControlKind::Label:
      static_cast<QLabel*>(widget)->setText(Q(control.text));
      break;
    case ui::ControlKind::ComboEdit:
    case ui::ControlKind::ComboPick: {
      auto* combo = static_cast<QComboBox*>(widget);
      QStringList items;
      for (const auto& item : control.items) items << Q(item);
      QStringList current;
      for (int i = 0; i < combo->count(); ++i) current << combo->itemText(i);
      if (current != items) {
        combo->clear();
        combo->addItems(items);
      }
      combo->setCurrentIndex(control.itemIndex);
      if (combo->isEditable()) combo->setEditText(Q(control.text));
      break;
    }
    case ui::ControlKind::DataList:
      break;
    case ui::ControlKind::Button:
    case ui::ControlKind::Key:
      static_cast<controls::TGradBtn*>(widget)->SetCaption(Q(control.text));
      break;
    case ui::ControlKind::PaintBox:
      break;
    case ui::ControlKind::StatusLine:
      static_cast<QStatusBar*>(widget)->showMessage(Q(control.text));
      break;
  }
  FitText(widget);
  widget->setVisible(control.visible);
  widget->setEnabled(control.enabled);
  syncing_ = false;
}

void MainWindow::SyncMenu(const ui::MenuItem& item) {
  auto it = actions_.find(&item);
  if (it == actions_.end()) return;
  QAction* action = it->second;
  if (item.parent == nullptr) {
    // Each menu of the bar opens with its access key.
    std::vector<std::string> captions;
    std::vector<QAction*> bar;
    for (const auto& top : model_.AllMenus()) {
      if (top->parent != nullptr) continue;
      captions.push_back(top->caption);
      const auto at = actions_.find(top.get());
      bar.push_back(at == actions_.end() ? nullptr : at->second);
    }
    const auto texts = WithAccessKeys(captions);
    for (std::size_t i = 0; i < bar.size(); ++i) {
      if (bar[i]) bar[i]->setText(texts[i]);
    }
  } else {
    action->setText(Q(item.caption));
  }
  // Keys are named by their notes, in the naming and octave numbering chosen.
  if (item.Name() == ui::menu::Letters.text || item.Name() == ui::menu::Syllables.text ||
      item.Name() == ui::menu::MiddleCIsC4.text)
    NameKeys();
  if (action->isCheckable()) action->setChecked(item.checked);
  action->setEnabled(item.enabled);
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

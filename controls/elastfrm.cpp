#include "controls/elastfrm.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPalette>
#include <QResizeEvent>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <utility>

namespace lintra::controls {

using namespace elastfrm;

namespace {

constexpr int kDefaultQuietTime = 250;
constexpr int kRescaleThreshold = 5;

constexpr std::pair<const char*, Align> kAlignNames[] = {
    {"top", Align::Top},     {"bottom", Align::Bottom}, {"left", Align::Left},
    {"right", Align::Right}, {"client", Align::Client},
};

constexpr std::pair<const char*, Placement> kPlacementNames[] = {
    {"screenCenter", Placement::ScreenCenter},
    {"ownerCenter", Placement::OwnerCenter},
};

Align AlignOf(const QWidget* widget) {
  const QString value = widget->property("align").toString();
  for (const auto& [name, align] : kAlignNames)
    if (value.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return align;
  return Align::None;
}

Placement PlacementOf(const QWidget* form) {
  const QString value = form->property("position").toString();
  for (const auto& [name, placement] : kPlacementNames)
    if (value.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return placement;
  return Placement::Designed;
}

bool FullState(Qt::WindowStates state) { return state & (Qt::WindowMaximized | Qt::WindowFullScreen); }

bool OnStackedPage(const QWidget* widget) {
  const QWidget* page = widget->parentWidget();
  return page && qobject_cast<const QStackedWidget*>(page->parentWidget());
}

// Named controls only; the toolkit's own parts (named "qt_..."), pages of a page stack and the
// widgets that tool bars and status bars lay out themselves are left to their containers.
bool Collectable(const QWidget* widget) {
  const QString name = widget->objectName();
  if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) return false;
  const QWidget* parent = widget->parentWidget();
  if (qobject_cast<const QToolBar*>(parent) || qobject_cast<const QStatusBar*>(parent)) return false;
  return !qobject_cast<const QStackedWidget*>(parent);
}

void Collect(QWidget* parent, std::vector<QWidget*>& out) {
  for (QObject* child : parent->children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (!widget || widget->isWindow()) continue;
    if (Collectable(widget)) out.push_back(widget);
    Collect(widget, out);
  }
}

bool DiffersBeyondThreshold(QSize a, QSize b) {
  return std::abs(a.width() - b.width()) > kRescaleThreshold || std::abs(a.height() - b.height()) > kRescaleThreshold;
}

}  // namespace

QWidget* TElasticForm::CheckedOwner(QWidget* owner) {
  if (!owner || !owner->isWindow()) throw EElasticFormError("Owner of TElasticForm component must be a form");
  for (QObject* child : owner->children())
    if (qobject_cast<TElasticForm*>(child))
      throw EElasticFormError("A TElasticForm component already exists in " + owner->objectName().toStdString());
  return owner;
}

TElasticForm::TElasticForm(QWidget* owner)
    : QObject(CheckedOwner(owner)),
      form_(owner),
      font_(owner->font()),
      fontColor_(owner->palette().color(QPalette::WindowText)) {
  if (const QWidget* focused = owner->focusWidget()) efActiveControl_ = focused->objectName();
  quietTimer_.setSingleShot(true);
  quietTimer_.setInterval(kDefaultQuietTime);
  connect(&quietTimer_, &QTimer::timeout, this, &TElasticForm::EndSizingDrag);
  owner->installEventFilter(this);
}

TElasticForm::~TElasticForm() {
  if (form_) form_->removeEventFilter(this);
}

// ---- properties with effects -------------------------------------------------------------------

void TElasticForm::SetMinimumTrackWidth(int v) {
  minimumTrackWidth_ = v;
  ApplySizeLimits();
}

void TElasticForm::SetMinimumTrackHeight(int v) {
  minimumTrackHeight_ = v;
  ApplySizeLimits();
}

void TElasticForm::SetMaximumTrackWidth(int v) {
  maximumTrackWidth_ = v;
  ApplySizeLimits();
}

void TElasticForm::SetMaximumTrackHeight(int v) {
  maximumTrackHeight_ = v;
  ApplySizeLimits();
}

void TElasticForm::SetMaintainProportions(bool v) {
  maintainProportions_ = v;
  ApplySizeLimits();
}

void TElasticForm::SetFont(const QFont& font) {
  font_ = font;
  if (initialised_) SyncFormFont();
}

void TElasticForm::SetFontColor(const QColor& color) {
  fontColor_ = color;
  if (initialised_) SyncFormFont();
}

void TElasticForm::SetBkGrndImage(QLabel* image) {
  if (image) image->hide();
  bkGrndImage_ = image;
  if (form_) form_->update();
}

void TElasticForm::SetDragQuietTime(int milliseconds) { quietTimer_.setInterval(std::max(0, milliseconds)); }

std::vector<QWidget*> TElasticForm::RecordedControls() const {
  std::vector<QWidget*> widgets;
  for (const Record& r : records_) widgets.push_back(r.widget);
  return widgets;
}

// ---- geometry helpers ----------------------------------------------------------------------------

QWidget* TElasticForm::ClientArea() const {
  if (auto* main = qobject_cast<QMainWindow*>(form_.data()); main && main->centralWidget())
    return main->centralWidget();
  return form_;
}

QSize TElasticForm::OuterSize() const { return form_->frameGeometry().size(); }

QSize TElasticForm::ScreenSize() const { return ScreenArea().size(); }

QRect TElasticForm::ScreenArea() const {
  if (screenOverride_.isValid()) return {QPoint(0, 0), screenOverride_};
  if (const QScreen* screen = form_->screen()) return screen->availableGeometry();
  return {QPoint(0, 0), form_->size()};
}

int TElasticForm::FormFontPoints() const {
  return FontRound(FontPoints(form_->font(), form_->logicalDpiY()) * ratios_.ry);
}

void TElasticForm::SetOuterGeometry(const Rect& outer) {
  const QRect frame = form_->frameGeometry();
  const QRect inner = form_->geometry();
  const QSize chrome = frame.size() - inner.size();
  const QPoint offset = inner.topLeft() - frame.topLeft();
  form_->setGeometry(outer.left + offset.x(), outer.top + offset.y(), std::max(1, outer.width - chrome.width()),
                     std::max(1, outer.height - chrome.height()));
}

// ---- first initialisation ------------------------------------------------------------------------

void TElasticForm::FirstInitialisation() {
  initialised_ = true;
  screen_ = ScreenSize();
  if (!resolutionIndependence_) {
    designScreenWidth_ = screen_.width();
    designScreenHeight_ = screen_.height();
  }
  ratios_ = ScreenRatios({screen_.width(), screen_.height()}, {designScreenWidth_, designScreenHeight_},
                         resolutionIndependence_);
  RecordControls();

  const QSize client = ClientArea()->size();
  if (designFormClientWidth_ > 0 && designFormClientHeight_ > 0)
    refClient_ = {Round(designFormClientWidth_ * ratios_.rx), Round(designFormClientHeight_ * ratios_.ry)};
  else
    refClient_ = {client.width(), client.height()};
  if (const int size = FormFontPoints(); size > 0) font_.setPointSize(size);
  refFont_ = FontRound(FontPoints(font_, form_->logicalDpiY()));

  RestoreSettings();

  if (QWindow* window = form_->windowHandle()) {
    connect(window, &QWindow::screenChanged, this, [this] {
      ConnectScreen();
      DisplayChanged();
    });
  }
  connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &TElasticForm::DisplayChanged);
  ConnectScreen();
  ApplySizeLimits();

  if (savedMaximized_) {
    ApplySavedMaximized();
  } else if (!FullState(form_->windowState())) {
    if (!hasPlacement_) placement_ = ComputePlacement();
    hasPlacement_ = true;
    // The size change this causes runs the first full rescale.
    SetOuterGeometry(placement_);
  } else {
    // Opened maximized: the window system keeps the size the form was built with as its normal
    // size, so the placement is applied when the window is first restored.
    if (!hasPlacement_) placement_ = ComputePlacement();
    hasPlacement_ = true;
    restoreToPlacement_ = kRestoreAttempts;
  }
}

bool TElasticForm::PlaceRestoredWindow() {
  if (restoreToPlacement_ == 0 || FullState(form_->windowState())) return false;
  // The frame is known by now; at the first initialisation it may not have been yet.
  if (restoreToPlacement_ == kRestoreAttempts) placement_ = ComputePlacement();
  const QRect frame = form_->frameGeometry();
  if (frame == QRect(placement_.left, placement_.top, placement_.width, placement_.height)) {
    restoreToPlacement_ = 0;
    return false;
  }
  // The window system may answer with its own size first; a window system that will not take
  // the placement keeps its own.
  --restoreToPlacement_;
  ignoreResize_ = true;
  SetOuterGeometry(placement_);
  ignoreResize_ = false;
  return true;
}

void TElasticForm::ConnectScreen() {
  disconnect(screenConnection_);
  if (QScreen* screen = form_->screen())
    screenConnection_ = connect(screen, &QScreen::availableGeometryChanged, this, &TElasticForm::DisplayChanged);
}

void TElasticForm::RecordControls() {
  std::vector<QWidget*> collected;
  Collect(ClientArea(), collected);

  std::vector<AlignEntry> entries;
  entries.reserve(collected.size());
  for (const QWidget* w : collected) entries.push_back({AlignOf(w), w->x(), w->y()});

  records_.clear();
  records_.reserve(collected.size());
  for (std::size_t index : RecordingOrder(entries)) {
    QWidget* w = collected[index];
    // A control on a page keeps the font it has now rather than following the page.
    if (OnStackedPage(w) && !w->testAttribute(Qt::WA_SetFont)) OwnFont(w);
    Record r;
    r.widget = w;
    r.bounds = CarryToScreen({w->x(), w->y(), w->width(), w->height()}, ratios_);
    r.font = Trunc(FontPoints(w->font(), w->logicalDpiY()) * ratios_.ry);
    if (lookForExtraFonts_) r.extraFonts = RecordExtraFonts(w, ratios_.ry);
    r.kind = RecordKind(w, ratios_, r.bounds.width);
    r.visible = !w->isHidden();
    records_.push_back(std::move(r));
  }
}

Rect TElasticForm::ComputePlacement() const {
  // The design client area is carried over and the frame of this platform added around it: the
  // design's outer size holds the frame of the screen it was designed on.
  const QSize outer = OuterSize();
  const QSize chrome = outer - ClientArea()->size();
  Size size{outer.width(), outer.height()};
  if (designFormClientWidth_ > 0 && designFormClientHeight_ > 0)
    size = {Round(ratios_.rx * designFormClientWidth_) + chrome.width(),
            Round(ratios_.ry * designFormClientHeight_) + chrome.height()};
  else if (designFormWidth_ > 0 && designFormHeight_ > 0)
    size = {Round(ratios_.rx * designFormWidth_), Round(ratios_.ry * designFormHeight_)};

  PlacementInput in;
  const QRect area = ScreenArea();
  in.area = {area.x(), area.y(), area.width(), area.height()};
  in.ratios = ratios_;
  in.designPosition = {designFormLeft_, designFormTop_};
  in.size = size;
  in.mode = PlacementOf(form_);
  if (in.mode == Placement::OwnerCenter) {
    if (const QWidget* parent = form_->parentWidget()) {
      const QRect owner = parent->window()->frameGeometry();
      in.owner = {owner.x(), owner.y(), owner.width(), owner.height()};
    } else {
      in.mode = Placement::ScreenCenter;
    }
  }
  const Point p = PlaceForm(in);
  return {p.x, p.y, size.width, size.height};
}

void TElasticForm::ApplySizeLimits() {
  if (!initialised_ || !form_) return;
  const bool none = minimumTrackWidth_ == 0 && minimumTrackHeight_ == 0 && maximumTrackWidth_ == 0 &&
                    maximumTrackHeight_ == 0 && !maintainProportions_;
  if (none) {
    if (limitsApplied_) {
      form_->setMinimumSize(0, 0);
      form_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
      limitsApplied_ = false;
    }
    return;
  }
  int maxWidth = TrackLimit(maximumTrackWidth_, screen_.width());
  int maxHeight = TrackLimit(maximumTrackHeight_, screen_.height());
  if (maintainProportions_) {
    const Size most = ProportionalMaximum({designFormWidth_, designFormHeight_}, {screen_.width(), screen_.height()});
    maxWidth = most.width;
    maxHeight = most.height;
  }
  // The limits are outer sizes; Qt limits the size inside the frame.
  const QSize chrome = OuterSize() - form_->size();
  auto lower = [](int outer, int frame) { return outer > 0 ? std::max(0, outer - frame) : 0; };
  auto upper = [](int outer, int frame) { return outer > 0 ? std::max(1, outer - frame) : QWIDGETSIZE_MAX; };
  form_->setMinimumSize(lower(TrackLimit(minimumTrackWidth_, screen_.width()), chrome.width()),
                        lower(TrackLimit(minimumTrackHeight_, screen_.height()), chrome.height()));
  form_->setMaximumSize(upper(maxWidth, chrome.width()), upper(maxHeight, chrome.height()));
  limitsApplied_ = true;
}

// ---- rescaling -----------------------------------------------------------------------------------

void TElasticForm::Rescale() {
  if (!initialised_ || inRescale_ || !form_) return;
  inRescale_ = true;
  if (showRescaleWindow_) {
    showRescaleWindow_->removeEventFilter(this);
    showRescaleWindow_ = nullptr;
  }
  const QSize outer = OuterSize();
  const QSize client = ClientArea()->size();

  const double t = FontScale(refFont_, {outer.width(), outer.height()}, refClient_);
  if (elasticFont_ && Round(t) > 0) font_.setPointSize(Round(t));
  fontFactor_ = refFont_ > 0 ? t / refFont_ : 1.0;

  KindScale scale;
  scale.kx = refClient_.width > 0 ? static_cast<double>(client.width()) / refClient_.width : 1.0;
  scale.ky = refClient_.height > 0 ? static_cast<double>(client.height()) / refClient_.height : 1.0;
  scale.fontFactor = fontFactor_;
  scale.elasticFont = elasticFont_;
  scale.grid = grid_;

  for (Record& r : records_) {
    QWidget* w = r.widget;
    if (!w) continue;
    if (elasticFont_ && r.kind.kind != Kind::ToolBar) {
      const bool keep = r.kind.kind == Kind::Grid && !grid_.fonts;
      SetFontPoints(w, keep ? r.font : FontRound(r.font * fontFactor_));
      ApplyExtraFonts(w, r.extraFonts, fontFactor_);
    }
    const int widthBefore = w->width();
    const Rect b = ScaleBounds(r.bounds, scale.kx, scale.ky, elasticHorizontal_, elasticVertical_);
    w->setGeometry(b.left, b.top, b.width, b.height);
    ApplyKind(w, r.kind, scale, widthBefore);
  }
  lastSize_ = outer;
  inRescale_ = false;

  SyncFormFont();
  RestoreFocus();
  if (OnAfterResize) OnAfterResize();
}

void TElasticForm::RescaleIfResized() {
  if (DiffersBeyondThreshold(OuterSize(), lastSize_)) {
    Rescale();
    form_->update();
  }
  ShowChildren();
}

void TElasticForm::HideChildren() {
  if (childrenHidden_) return;
  childrenHidden_ = true;
  focusBeforeHide_ = form_->focusWidget();
  for (Record& r : records_)
    if (r.widget) r.visible = !r.widget->isHidden();
  hiddenChildren_.clear();
  for (QObject* child : ClientArea()->children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (w && !w->isWindow() && !w->isHidden()) {
      hiddenChildren_.emplace_back(w);
      w->hide();
    }
  }
}

void TElasticForm::ShowChildren() {
  if (!childrenHidden_) return;
  childrenHidden_ = false;
  for (const QPointer<QWidget>& w : hiddenChildren_)
    if (w) w->show();
  hiddenChildren_.clear();
  if (focusBeforeHide_ && focusBeforeHide_->isVisible() && form_->focusWidget() != focusBeforeHide_)
    focusBeforeHide_->setFocus();
  focusBeforeHide_ = nullptr;
}

void TElasticForm::RememberActiveControl() {
  if (const QWidget* focused = form_->focusWidget(); focused && !focused->objectName().isEmpty())
    efActiveControl_ = focused->objectName();
}

void TElasticForm::RestoreFocus() {
  if (form_->focusWidget() || efActiveControl_.isEmpty()) return;
  if (QWidget* w = form_->findChild<QWidget*>(efActiveControl_); w && w->isVisible() && w->isEnabled()) w->setFocus();
}

void TElasticForm::SyncFormFont() {
  const int ppi = form_->logicalDpiY();
  if (FontPoints(form_->font(), ppi) != FontPoints(font_, ppi)) {
    form_->setFont(font_);
    form_->update();
  }
  if (fontColor_.isValid() && form_->palette().color(QPalette::WindowText) != fontColor_) {
    QPalette palette = form_->palette();
    palette.setColor(QPalette::WindowText, fontColor_);
    form_->setPalette(palette);
    form_->update();
  }
}

void TElasticForm::PaintBackground() {
  if (!bkGrndImage_) return;
  const QPixmap picture = bkGrndImage_->pixmap();
  if (picture.isNull() || picture.width() == 0 || picture.height() == 0) return;
  QPainter painter(form_);
  if (AlignOf(bkGrndImage_) == Align::Client) {
    painter.drawPixmap(form_->rect(), picture);
    return;
  }
  for (const Point& tile : BackgroundTiles({form_->width(), form_->height()}, {picture.width(), picture.height()}))
    painter.drawPixmap(tile.x, tile.y, picture);
}

// ---- persistence ---------------------------------------------------------------------------------

WindowPlacement TElasticForm::CurrentPlacement() const {
  WindowPlacement wp = placementRecord_;
  const Qt::WindowStates state = form_->windowState();
  wp.showCmd = state & Qt::WindowMinimized ? kShowMinimized : FullState(state) ? kShowMaximized : kShowNormal;
  if (!FullState(state)) {
    const QRect frame = form_->frameGeometry();
    wp.normLeft = frame.x();
    wp.normTop = frame.y();
    wp.normRight = frame.x() + frame.width();
    wp.normBottom = frame.y() + frame.height();
  }
  return wp;
}

void TElasticForm::SavePlacement() {
  if (elFrmIniFile_.isEmpty() || !initialised_ || !form_ || screen_.isEmpty()) return;
  SavedForm saved;
  saved.totalControls = static_cast<int>(records_.size());
  const bool maximized = FullState(form_->windowState());
  saved.windowState = maximized ? kWindowStateMaximized : 0;
  const QRect frame = form_->frameGeometry();
  const double sw = screen_.width();
  const double sh = screen_.height();
  if (maximized) {
    const int w = -Round(frame.width() / sw * 100);
    const int h = -Round(frame.height() / sh * 100);
    maximumTrackWidth_ = w <= -100 ? 0 : w;
    maximumTrackHeight_ = h <= -100 ? 0 : h;
  } else {
    saved.hasNormalBounds = true;
    saved.left = frame.x() / sw;
    saved.top = frame.y() / sh;
    saved.width = frame.width() / sw;
    saved.height = frame.height() / sh;
  }
  saved.maxTrackWidth = maximumTrackWidth_;
  saved.maxTrackHeight = maximumTrackHeight_;
  for (const Record& r : records_)
    saved.visible.push_back(!r.widget || (childrenHidden_ ? r.visible : !r.widget->isHidden()));
  placementRecord_ = CurrentPlacement();
  saved.placement = placementRecord_;
  const QString section =
      form_->objectName().isEmpty() ? QString::fromLatin1(form_->metaObject()->className()) : form_->objectName();
  FormSettingsStore(elFrmIniFile_).Write(section, saved);
}

void TElasticForm::RestoreSettings() {
  if (elFrmIniFile_.isEmpty()) return;
  const QString section =
      form_->objectName().isEmpty() ? QString::fromLatin1(form_->metaObject()->className()) : form_->objectName();
  const std::optional<SavedForm> saved =
      FormSettingsStore(elFrmIniFile_).Read(section, static_cast<int>(records_.size()), CurrentPlacement());
  if (!saved) return;

  if (saved->windowState == kWindowStateMaximized) {
    savedMaximized_ = true;
    if (!FullState(form_->windowState())) suppressShowRescale_ = true;
  } else if (saved->hasNormalBounds) {
    // A missing size keeps the size the form would open with.
    const Rect computed = ComputePlacement();
    placement_ = {Round(saved->left * screen_.width()), Round(saved->top * screen_.height()),
                  saved->width > 0 ? Round(saved->width * screen_.width()) : computed.width,
                  saved->height > 0 ? Round(saved->height * screen_.height()) : computed.height};
    hasPlacement_ = true;
  }
  maximumTrackWidth_ = saved->maxTrackWidth;
  maximumTrackHeight_ = saved->maxTrackHeight;
  for (std::size_t i = 0; i < records_.size(); ++i)
    if (QWidget* w = records_[i].widget) {
      w->setVisible(saved->visible[i]);
      records_[i].visible = saved->visible[i];
    }
  placementRecord_ = saved->placement;
  placementRead_ = true;
}

void TElasticForm::ApplySavedMaximized() {
  savedMaximizedApplied_ = true;
  const WindowPlacement& wp = placementRecord_;
  if (wp.normRight > wp.normLeft && wp.normBottom > wp.normTop) {
    placement_ = {wp.normLeft, wp.normTop, wp.normRight - wp.normLeft, wp.normBottom - wp.normTop};
    hasPlacement_ = true;
    SetOuterGeometry(placement_);
  }
  form_->setWindowState(form_->windowState() | Qt::WindowMaximized);
}

// ---- window events -------------------------------------------------------------------------------

bool TElasticForm::eventFilter(QObject* watched, QEvent* event) {
  if (showRescaleWindow_ && watched == showRescaleWindow_) {
    if (event->type() == QEvent::Expose && form_) {
      HideChildren();
      Rescale();
      ShowChildren();
    }
    return false;
  }
  if (watched != form_ || !form_) return false;
  switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::WindowActivate:
    case QEvent::WindowStateChange:
    case QEvent::Close:
    case QEvent::Enter:
    case QEvent::Paint:
      break;
    default:
      return false;
  }
  if (!form_->isVisible()) return false;
  if (event->type() == QEvent::Paint) {
    PaintBackground();
    return false;
  }

  SyncFormFont();
  if (!initialised_) FirstInitialisation();

  switch (event->type()) {
    case QEvent::Resize:
      OnResize(static_cast<const QResizeEvent&>(*event));
      break;
    case QEvent::Move:
      OnMove(event->spontaneous());
      break;
    case QEvent::Show:
      OnShown();
      break;
    case QEvent::WindowActivate:
      OnActivated();
      break;
    case QEvent::WindowStateChange:
      OnStateChange(static_cast<const QWindowStateChangeEvent&>(*event));
      break;
    case QEvent::Close:
      closeOrMinimizeSeen_ = true;
      SavePlacement();
      break;
    case QEvent::Enter:
      mouseHasBeenOver_ = true;
      break;
    default:
      break;
  }
  return false;
}

void TElasticForm::OnResize(const QResizeEvent& event) {
  if (ignoreResize_ || inRescale_) return;
  const Qt::WindowStates state = form_->windowState();
  if (state & Qt::WindowMinimized) return;
  if (PlaceRestoredWindow()) return;  // the size of the placement follows
  if (dragging_) {
    if (event.spontaneous()) {
      dragSizeChanged_ = true;
      quietTimer_.start();
    }
    return;
  }
  const bool full = FullState(state);
  // A size change from the window system in a normal window, not caused by a change of state,
  // is the user dragging the border.
  if (event.spontaneous() && !full && !stateResizePending_) {
    dragging_ = true;
    dragSizeChanged_ = true;
    dragStartSize_ = event.oldSize() + (OuterSize() - form_->size());
    quietTimer_.start();
    return;
  }
  stateResizePending_ = false;
  if (full != shownMaximized_) {
    shownMaximized_ = full;
    SyncFormFont();
  }
  if (full || activatedOnce_) userTookOver_ = true;
  const bool borderless = form_->windowFlags() & Qt::FramelessWindowHint;
  if ((!userTookOver_ || borderless) && !full && hasPlacement_) {
    ignoreResize_ = true;
    SetOuterGeometry(placement_);
    ignoreResize_ = false;
  }
  RescaleIfResized();
  RestoreFocus();
  SavePlacement();
}

void TElasticForm::OnMove(bool spontaneous) {
  if (activatedOnce_) userTookOver_ = true;
  const Qt::WindowStates state = form_->windowState();
  if (spontaneous && !FullState(state) && !(state & Qt::WindowMinimized)) {
    movedByUser_ = true;
    quietTimer_.start();
  }
}

void TElasticForm::EndSizingDrag() {
  quietTimer_.stop();
  const bool sized = dragging_ && dragSizeChanged_;
  const bool moved = movedByUser_;
  if (dragging_) userTookOver_ = true;
  dragging_ = false;
  dragSizeChanged_ = false;
  movedByUser_ = false;
  if (!form_ || !initialised_ || (!sized && !moved)) return;
  if (sized) {
    HideChildren();
    if (maintainProportions_) {
      const QSize outer = OuterSize();
      const Size kept =
          KeepProportions({designFormWidth_, designFormHeight_}, {dragStartSize_.width(), dragStartSize_.height()},
                          {outer.width(), outer.height()});
      if (kept.width != outer.width() || kept.height != outer.height()) {
        const QRect frame = form_->frameGeometry();
        ignoreResize_ = true;
        SetOuterGeometry({frame.x(), frame.y(), kept.width, kept.height});
        ignoreResize_ = false;
      }
    }
    Rescale();
    form_->update();
    ShowChildren();
    RestoreFocus();
  }
  if (!FullState(form_->windowState())) shownMaximized_ = false;
  SavePlacement();
}

void TElasticForm::OnShown() {
  if (!mouseHasBeenOver_ && !closeOrMinimizeSeen_ && !suppressShowRescale_) {
    if (FullState(form_->windowState()) && form_->windowHandle()) {
      // Shown maximized: a window manager gives the maximized size before the window is exposed.
      // Scaled now, the layout would be scaled twice, first to a size never seen; it is scaled
      // by that resize, or when the window is exposed if none comes.
      showRescaleWindow_ = form_->windowHandle();
      showRescaleWindow_->installEventFilter(this);
    } else {
      HideChildren();
      Rescale();
      ShowChildren();
    }
  }
  suppressShowRescale_ = false;
  RestoreFocus();
}

void TElasticForm::OnActivated() {
  activatedOnce_ = true;
  if (savedMaximized_ && placementRead_ && !savedMaximizedApplied_) ApplySavedMaximized();
  ShowChildren();
  RestoreFocus();
}

void TElasticForm::OnStateChange(const QWindowStateChangeEvent& event) {
  const Qt::WindowStates before = event.oldState();
  const Qt::WindowStates now = form_->windowState();
  if (now & Qt::WindowMinimized) {
    if (!(before & Qt::WindowMinimized)) {
      RememberActiveControl();
      SavePlacement();
      shownMaximized_ = false;
      closeOrMinimizeSeen_ = true;
      dragging_ = false;
      quietTimer_.stop();
    }
    return;
  }
  if (FullState(before) == FullState(now) && !(before & Qt::WindowMinimized)) return;
  // Maximized or restored: the size that follows belongs to the new state, not to a drag.
  RememberActiveControl();
  dragging_ = false;
  quietTimer_.stop();
  stateResizePending_ = true;
  if (FullState(now)) userTookOver_ = true;
  PlaceRestoredWindow();
  shownMaximized_ = FullState(now);
  SyncFormFont();
  HideChildren();
  RescaleIfResized();
  ShowChildren();
  RestoreFocus();
}

void TElasticForm::DisplayChanged() {
  if (!initialised_ || !form_) return;
  const QSize now = ScreenSize();
  const QSize before = screen_;
  if (now == before || now.isEmpty() || before.isEmpty()) return;
  designScreenWidth_ = now.width();
  designScreenHeight_ = now.height();
  screen_ = now;

  HideChildren();
  if (!FullState(form_->windowState()) && !(form_->windowState() & Qt::WindowMinimized)) {
    const double sx = static_cast<double>(now.width()) / before.width();
    const double sy = static_cast<double>(now.height()) / before.height();
    const QRect frame = form_->frameGeometry();
    const Rect scaled{Round(frame.x() * sx), Round(frame.y() * sy), Round(frame.width() * sx),
                      Round(frame.height() * sy)};
    if (hasPlacement_) placement_ = scaled;
    ignoreResize_ = true;
    SetOuterGeometry(scaled);
    ignoreResize_ = false;
  }
  ApplySizeLimits();
  Rescale();
  form_->update();
  ShowChildren();
  RestoreFocus();
}

}  // namespace lintra::controls

#include "controls/gradbtn.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFont>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <cmath>
#include <utility>

#include "controls/gradbtn_accessible.h"
#include "controls/gradbtn_caption.h"
#include "controls/gradbtn_color.h"
#include "controls/gradbtn_frame.h"
#include "controls/gradbtn_gradient.h"
#include "controls/gradbtn_presets.h"

namespace lintra::controls {

namespace {

constexpr QChar kCarriageReturn = u'\r';

std::function<void()>& PumpSlot() {
  static std::function<void()> pump;
  return pump;
}

void RunPump() {
  if (PumpSlot()) {
    PumpSlot()();
  } else {
    QCoreApplication::processEvents();
  }
}

QChar CharOf(const QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return kCarriageReturn;
  const QString text = event->text();
  return text.isEmpty() ? QChar() : text.front();
}

// Window activation and popups move Qt's focus too; the button's own enter and exit mean the user
// moved between controls.
bool IsControlFocusChange(Qt::FocusReason reason) {
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

TGradBtn::TGradBtn(QWidget* owner)
    : QWidget(owner),
      disabledColor_(clGrayText),
      btnHiliteClr_(clBtnHighlight),
      btnShadowClr_(clBtnShadow),
      txtHiliteClr_(clBtnHighlight),
      txtShadowClr_(clBtnShadow),
      beginColor_(clNavy),
      endColor_(clAqua),
      fontColor_(clBlack) {
  setFocusPolicy(Qt::StrongFocus);
  static const bool accessible = [] {
    QAccessible::installFactory(&GradBtnAccessibleFactory);
    return true;
  }();
  (void)accessible;
  // Every pixel comes from the off-screen image: nothing is erased beforehand.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
  resize(75, 25);
}

TGradBtn::~TGradBtn() = default;

template <typename T>
void TGradBtn::Assign(T& field, const T& value) {
  if (field == value) return;
  field = value;
  update();
}

void TGradBtn::SetDisabledColor(TColor value) { Assign(disabledColor_, value); }
void TGradBtn::SetBtnHiliteClr(TColor value) { Assign(btnHiliteClr_, value); }
void TGradBtn::SetBtnShadowClr(TColor value) { Assign(btnShadowClr_, value); }
void TGradBtn::SetTxtHiliteClr(TColor value) { Assign(txtHiliteClr_, value); }
void TGradBtn::SetTxtShadowClr(TColor value) { Assign(txtShadowClr_, value); }
void TGradBtn::SetBeginColor(TColor value) { Assign(beginColor_, value); }
void TGradBtn::SetEndColor(TColor value) { Assign(endColor_, value); }
void TGradBtn::SetGradientStyle(TGradientStyle value) { Assign(gradientStyle_, value); }
void TGradBtn::SetTextStyle(TTextStyle value) { Assign(textStyle_, value); }
void TGradBtn::SetTextShadeType(TShadeType value) { Assign(textShadeType_, value); }
void TGradBtn::SetJustification(TJustification value) { Assign(justification_, value); }
void TGradBtn::SetCaption(const QString& value) { Assign(caption_, value); }
void TGradBtn::SetFontColor(TColor value) { Assign(fontColor_, value); }

void TGradBtn::SetBtnFrameSize(int value) {
  // A wider bevel would meet itself in the middle of the button.
  if (value > width() / 2 - 5 || value > height() / 2 - 5) return;
  Assign(btnFrameSize_, value);
}

void TGradBtn::SetCaptionTop(int value) { Assign(captionTop_, std::max(0, value)); }

void TGradBtn::SetTabStop(bool value) { setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus); }

void TGradBtn::SetPresets(TPreset value) {
  if (!designing_ || value == presets_) return;
  const TPresetLook& look = PresetLook(value);
  disabledColor_ = look.disabledColor;
  beginColor_ = look.beginColor;
  endColor_ = look.endColor;
  QFont font(QString::fromLatin1(look.fontFamily), look.fontPointSize);
  font.setBold(look.fontBold);
  setFont(font);
  fontColor_ = look.fontColor;
  gradientStyle_ = look.gradientStyle;
  textShadeType_ = look.textShadeType;
  textStyle_ = look.textStyle;
  txtHiliteClr_ = look.txtHiliteClr;
  txtShadowClr_ = look.txtShadowClr;
  btnHiliteClr_ = look.btnHiliteClr;
  btnShadowClr_ = look.btnShadowClr;
  if (look.swapColors) swapColors_ = *look.swapColors;
  presets_ = value;
  update();
}

void TGradBtn::SetEventPump(std::function<void()> pump) { PumpSlot() = std::move(pump); }

void TGradBtn::ExchangeColors() {
  if (swapColors_) std::swap(beginColor_, endColor_);
}

void TGradBtn::Click() {
  if (!up_) {
    ExchangeColors();
    up_ = true;
    clickDone_ = true;
  }
  repaint();
  QPointer<TGradBtn> alive(this);
  RunPump();
  if (!alive) return;
  if (OnClick) OnClick(this);
}

bool TGradBtn::OfferAccessKey(QChar key) {
  if (!isEnabled() || !IsAccessKey(key, caption_)) return false;
  Click();
  return true;
}

bool TGradBtn::OfferAccessKeyTo(QWidget* root, QChar key) {
  if (root == nullptr) return false;
  for (QPointer<TGradBtn> button : root->findChildren<TGradBtn*>()) {
    if (button && button->OfferAccessKey(key)) return true;
  }
  return false;
}

void TGradBtn::Press(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
  QPointer<TGradBtn> alive(this);
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
  if (!alive || !up_) return;
  setFocus(Qt::MouseFocusReason);
  if (button != Qt::LeftButton) return;
  up_ = false;
  ExchangeColors();
  update();
}

void TGradBtn::Raise() {
  if (up_) return;
  ExchangeColors();
  up_ = true;
  update();
}

void TGradBtn::Release(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
  QPointer<TGradBtn> alive(this);
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
  if (!alive) return;
  if (clickDone_) {
    clickDone_ = false;
    return;
  }
  Raise();
}

void TGradBtn::SetHovered(bool inside, Qt::KeyboardModifiers shift) {
  if (inside == hovered_) return;
  hovered_ = inside;
  QPointer<TGradBtn> alive(this);
  if (leftHeld_) {
    // Dragging a held button out shows it raised, dragging it back in shows it pressed again.
    if (inside) {
      Press(Qt::LeftButton, shift, 0, 0);
    } else {
      Release(Qt::LeftButton, shift, 0, 0);
    }
    if (!alive) return;
  }
  if (inside) {
    if (OnMouseEnter) OnMouseEnter(this);
  } else {
    if (OnMouseLeave) OnMouseLeave(this);
  }
}

void TGradBtn::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  hovered_ = true;
  if (event->button() == Qt::LeftButton) {
    leftHeld_ = true;
    singlePress_ = true;
  }
  Press(event->button(), event->modifiers(), pos.x(), pos.y());
  event->accept();
}

void TGradBtn::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const bool left = event->button() == Qt::LeftButton;
  // The second press of a double click presses like any press, but its release is no click. Should the
  // platform also have delivered that second press as a plain press, it has been handled already.
  const bool alreadyPressed = left && leftHeld_ && singlePress_;
  hovered_ = true;
  if (left) {
    leftHeld_ = true;
    singlePress_ = false;
  }
  if (!alreadyPressed) Press(event->button(), event->modifiers(), pos.x(), pos.y());
  event->accept();
}

void TGradBtn::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const bool left = event->button() == Qt::LeftButton;
  const bool clicks = left && leftHeld_ && singlePress_ && rect().contains(pos);
  if (left) leftHeld_ = false;
  QPointer<TGradBtn> alive(this);
  // The click comes before the release, so the release finds the click-done flag set.
  if (clicks) Click();
  if (!alive) return;
  Release(event->button(), event->modifiers(), pos.x(), pos.y());
  event->accept();
}

void TGradBtn::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  QPointer<TGradBtn> alive(this);
  if (OnMouseMove) OnMouseMove(this, event->buttons(), event->modifiers(), pos.x(), pos.y());
  if (!alive) return;
  // A widget holding the mouse gets every move but no enter or leave, so crossing the edge with the
  // button held is detected here.
  if (leftHeld_ && (event->buttons() & Qt::LeftButton)) SetHovered(rect().contains(pos), event->modifiers());
  event->accept();
}

void TGradBtn::enterEvent(QEnterEvent* event) {
  SetHovered(true, event->modifiers());
  QWidget::enterEvent(event);
}

void TGradBtn::leaveEvent(QEvent* event) {
  SetHovered(false, Qt::NoModifier);
  QWidget::leaveEvent(event);
}

void TGradBtn::keyPressEvent(QKeyEvent* event) {
  QPointer<TGradBtn> alive(this);
  int key = event->key();
  if (OnKeyDown) OnKeyDown(this, key, event->modifiers());
  if (!alive) return;
  if (key == 0) {
    event->accept();
    return;
  }
  QChar ch = CharOf(event);
  if (ch.isNull()) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (event->modifiers() & Qt::AltModifier) {
    // Alt+letter is offered to the window's buttons, never typed into this one.
    if (OfferAccessKeyTo(window(), ch)) {
      event->accept();
    } else {
      QWidget::keyPressEvent(event);
    }
    return;
  }
  if (OnKeyPress) OnKeyPress(this, ch);
  if (!alive) return;
  if (ch == kCarriageReturn) {
    Click();
    event->accept();
    return;
  }
  // A push button has no use for typed characters: the window offers them as access keys.
  if (ch.isPrint() && OfferAccessKeyTo(window(), ch)) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TGradBtn::keyReleaseEvent(QKeyEvent* event) {
  int key = event->key();
  if (OnKeyUp) OnKeyUp(this, key, event->modifiers());
  QWidget::keyReleaseEvent(event);
}

void TGradBtn::focusInEvent(QFocusEvent* event) {
  update();
  if (IsControlFocusChange(event->reason()) && OnEnter) OnEnter(this);
}

void TGradBtn::focusOutEvent(QFocusEvent* event) {
  update();
  if (IsControlFocusChange(event->reason()) && OnExit) OnExit(this);
}

void TGradBtn::changeEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::EnabledChange:
      // A disabled widget gets no release, so a button disabled while held would keep its swapped
      // colours for good; it is raised instead.
      if (!isEnabled()) {
        leftHeld_ = false;
        clickDone_ = false;
        Raise();
      }
      update();
      break;
    case QEvent::FontChange:
    case QEvent::PaletteChange:
      update();
      break;
    default:
      break;
  }
  QWidget::changeEvent(event);
}

QImage TGradBtn::RenderBitmap() const {
  const int w = width(), h = height();
  // The picture has the screen's own pixels: on a high-resolution screen the caption is drawn at that
  // resolution instead of being enlarged from a picture of the button's logical size.
  const qreal ratio = devicePixelRatioF();
  const QSize device(int(std::ceil(w * ratio)), int(std::ceil(h * ratio)));
  QImage bitmap(device, QImage::Format_RGB32);
  if (bitmap.isNull()) return bitmap;
  bitmap.setDevicePixelRatio(ratio);
  const QPalette& pal = palette();
  {
    QPainter painter(&bitmap);
    painter.setFont(font());
    PaintGradient(painter, gradientStyle_, w, h, beginColor_, endColor_);
    const auto lit = ResolveColor(btnHiliteClr_, pal);
    const auto shade = ResolveColor(btnShadowClr_, pal);
    PaintBevel(painter, w, h, btnFrameSize_, up_ ? lit : shade, up_ ? shade : lit);
    const bool enabled = isEnabled();
    const TTextStyle routine = enabled ? textStyle_ : TTextStyle::tsInset;
    const auto face = ResolveColor(enabled ? fontColor_ : disabledColor_, pal);
    const auto layers = CaptionLayers(routine, textShadeType_, ResolveColor(txtHiliteClr_, pal),
                                      ResolveColor(txtShadowClr_, pal), face);
    PaintCaption(painter, caption_, justification_, w, h, up_ ? 0 : 1, layers, std::min(captionTop_, h));
  }
  if (showFocus_ && hasFocus()) InvertFocusRect(bitmap, 2, 2, w - 2, h - 2);
  return bitmap;
}

void TGradBtn::paintEvent(QPaintEvent*) {
  const QImage bitmap = RenderBitmap();
  QPainter painter(this);
  painter.drawImage(0, 0, bitmap);
}

}  // namespace lintra::controls

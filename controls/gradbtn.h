#pragma once
// TGradBtn: a focusable push button that paints itself entirely (gradient, bevel, embossed caption,
// dotted focus rectangle) into an off-screen image which reaches the screen in one copy, so a keyboard
// of them never flickers while the window repaints or resizes. Pressing swaps the gradient colours,
// inverts the bevel and moves the caption one pixel down and right.

#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>

#include "controls/colors.h"
#include "controls/gradbtn_types.h"

namespace lintra::controls {

class TGradBtn : public QWidget {
  Q_OBJECT

 public:
  // Every event receives the button that fired it, so one handler can serve many buttons.
  using TNotifyEvent = std::function<void(TGradBtn* sender)>;
  using TMouseEvent =
      std::function<void(TGradBtn* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>;
  using TMouseMoveEvent =
      std::function<void(TGradBtn* sender, Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y)>;
  // A key-down handler may set `key` to 0 to swallow the key: no key press follows then.
  using TKeyEvent = std::function<void(TGradBtn* sender, int& key, Qt::KeyboardModifiers shift)>;
  // A key-press handler may change or clear the character; only a carriage return left in it clicks.
  using TKeyPressEvent = std::function<void(TGradBtn* sender, QChar& key)>;

  explicit TGradBtn(QWidget* owner = nullptr);
  ~TGradBtn() override;

  TColor DisabledColor() const { return disabledColor_; }
  void SetDisabledColor(TColor value);
  TColor BtnHiliteClr() const { return btnHiliteClr_; }
  void SetBtnHiliteClr(TColor value);
  TColor BtnShadowClr() const { return btnShadowClr_; }
  void SetBtnShadowClr(TColor value);
  int BtnFrameSize() const { return btnFrameSize_; }
  // Ignored unless value <= Width div 2 - 5 and value <= Height div 2 - 5.
  void SetBtnFrameSize(int value);
  TColor TxtHiliteClr() const { return txtHiliteClr_; }
  void SetTxtHiliteClr(TColor value);
  TColor TxtShadowClr() const { return txtShadowClr_; }
  void SetTxtShadowClr(TColor value);
  // While the button is held down these read the swapped pair.
  TColor BeginColor() const { return beginColor_; }
  void SetBeginColor(TColor value);
  TColor EndColor() const { return endColor_; }
  void SetEndColor(TColor value);
  bool SwapColors() const { return swapColors_; }
  void SetSwapColors(bool value) { swapColors_ = value; }
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool value) { showFocus_ = value; }
  TGradientStyle GradientStyle() const { return gradientStyle_; }
  void SetGradientStyle(TGradientStyle value);
  TTextStyle TextStyle() const { return textStyle_; }
  void SetTextStyle(TTextStyle value);
  TShadeType TextShadeType() const { return textShadeType_; }
  void SetTextShadeType(TShadeType value);
  TPreset Presets() const { return presets_; }
  // Applies the named bundle only while designing; otherwise the assignment is ignored.
  void SetPresets(TPreset value);
  TJustification Justification() const { return justification_; }
  void SetJustification(TJustification value);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& value);
  TColor FontColor() const { return fontColor_; }
  void SetFontColor(TColor value);
  bool TabStop() const { return focusPolicy() == Qt::StrongFocus; }
  void SetTabStop(bool value);
  // The caption is centred between this row and the bottom edge; 0, the default, centres it on the
  // whole button. A piano key uses it to keep its name below the keys that cover its upper part.
  int CaptionTop() const { return captionTop_; }
  void SetCaptionTop(int value);
  bool Designing() const { return designing_; }
  void SetDesigning(bool value) { designing_ = value; }

  // True while the button shows its pressed look.
  bool IsDown() const { return !up_; }

  // A click from code: behaves exactly like the Enter key.
  void Click();
  // The window offers a character (Alt+letter, or a letter a focused button does not use). Returns true
  // and clicks when it is this enabled button's access key.
  bool OfferAccessKey(QChar key);
  // Offers the character to every gradient button inside `root`, in creation order, until one takes it.
  static bool OfferAccessKeyTo(QWidget* root, QChar key);

  // Work done between restoring the raised look and firing OnClick, so the raised look is on screen
  // before a slow handler runs. Defaults to processing all pending events; an empty function restores
  // that. The pump may re-enter this button (a new press during the pump finds it raised and
  // consistent) or destroy it, in which case OnClick is not fired.
  static void SetEventPump(std::function<void()> pump);

  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  template <typename T>
  void Assign(T& field, const T& value);
  void Press(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void Release(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void Raise();
  void SetHovered(bool inside, Qt::KeyboardModifiers shift);
  void ExchangeColors();
  // Drawn afresh at every paint and not kept: a picture per button at the
  // screen's resolution would only hold memory between paints.
  QImage RenderBitmap() const;

  TColor disabledColor_;
  TColor btnHiliteClr_;
  TColor btnShadowClr_;
  int btnFrameSize_ = 1;
  TColor txtHiliteClr_;
  TColor txtShadowClr_;
  TColor beginColor_;
  TColor endColor_;
  bool swapColors_ = true;
  bool showFocus_ = true;
  TGradientStyle gradientStyle_ = TGradientStyle::gsVertCenter;
  TTextStyle textStyle_ = TTextStyle::tsRaised;
  TShadeType textShadeType_ = TShadeType::stLight;
  TPreset presets_ = TPreset::None;
  TJustification justification_ = TJustification::jCenter;
  QString caption_;
  TColor fontColor_;
  bool designing_ = false;
  int captionTop_ = 0;

  bool up_ = true;
  bool clickDone_ = false;
  bool leftHeld_ = false;     // the left button went down on this control and is still down
  bool singlePress_ = false;  // ...and that press was not the second press of a double click
  bool hovered_ = false;
};

}  // namespace lintra::controls

#pragma once
// TGradBtn: a focusable push button that paints itself entirely (gradient, bevel, embossed caption,
// dotted focus rectangle) into an off-screen image which reaches the screen in one copy, so a keyboard
// of them never flickers while the window repaints or resizes. Pressing swaps the gradient colours,
// inverts the bevel and moves the caption one pixel down and right.

#include <functional>

#include <QImage>
#include <QString>
#include <QWidget>

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

  TColor DisabledColor() const { return m_disabledColor; }
  void SetDisabledColor(TColor value);
  TColor BtnHiliteClr() const { return m_btnHiliteClr; }
  void SetBtnHiliteClr(TColor value);
  TColor BtnShadowClr() const { return m_btnShadowClr; }
  void SetBtnShadowClr(TColor value);
  int BtnFrameSize() const { return m_btnFrameSize; }
  // Ignored unless value <= Width div 2 - 5 and value <= Height div 2 - 5.
  void SetBtnFrameSize(int value);
  TColor TxtHiliteClr() const { return m_txtHiliteClr; }
  void SetTxtHiliteClr(TColor value);
  TColor TxtShadowClr() const { return m_txtShadowClr; }
  void SetTxtShadowClr(TColor value);
  // While the button is held down these read the swapped pair.
  TColor BeginColor() const { return m_beginColor; }
  void SetBeginColor(TColor value);
  TColor EndColor() const { return m_endColor; }
  void SetEndColor(TColor value);
  bool SwapColors() const { return m_swapColors; }
  void SetSwapColors(bool value) { m_swapColors = value; }
  bool ShowFocus() const { return m_showFocus; }
  void SetShowFocus(bool value) { m_showFocus = value; }
  TGradientStyle GradientStyle() const { return m_gradientStyle; }
  void SetGradientStyle(TGradientStyle value);
  TTextStyle TextStyle() const { return m_textStyle; }
  void SetTextStyle(TTextStyle value);
  TShadeType TextShadeType() const { return m_textShadeType; }
  void SetTextShadeType(TShadeType value);
  TPreset Presets() const { return m_presets; }
  // Applies the named bundle only while designing; otherwise the assignment is ignored.
  void SetPresets(TPreset value);
  TJustification Justification() const { return m_justification; }
  void SetJustification(TJustification value);

  QString Caption() const { return m_caption; }
  void SetCaption(const QString& value);
  TColor FontColor() const { return m_fontColor; }
  void SetFontColor(TColor value);
  bool TabStop() const { return focusPolicy() == Qt::StrongFocus; }
  void SetTabStop(bool value);
  // The caption is centred between this row and the bottom edge; 0, the default, centres it on the
  // whole button. A piano key uses it to keep its name below the keys that cover its upper part.
  int CaptionTop() const { return m_captionTop; }
  void SetCaptionTop(int value);
  bool Designing() const { return m_designing; }
  void SetDesigning(bool value) { m_designing = value; }

  // True while the button shows its pressed look.
  bool IsDown() const { return !m_up; }

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

  TColor m_disabledColor;
  TColor m_btnHiliteClr;
  TColor m_btnShadowClr;
  int m_btnFrameSize = 1;
  TColor m_txtHiliteClr;
  TColor m_txtShadowClr;
  TColor m_beginColor;
  TColor m_endColor;
  bool m_swapColors = true;
  bool m_showFocus = true;
  TGradientStyle m_gradientStyle = TGradientStyle::gsVertCenter;
  TTextStyle m_textStyle = TTextStyle::tsRaised;
  TShadeType m_textShadeType = TShadeType::stLight;
  TPreset m_presets = TPreset::None;
  TJustification m_justification = TJustification::jCenter;
  QString m_caption;
  TColor m_fontColor;
  bool m_designing = false;
  int m_captionTop = 0;

  bool m_up = true;
  bool m_clickDone = false;
  bool m_leftHeld = false;     // the left button went down on this control and is still down
  bool m_singlePress = false;  // ...and that press was not the second press of a double click
  bool m_hovered = false;
};

}  // namespace lintra::controls

#pragma once
// Shared helpers of the gradient-button tests: one application object, synthetic input sent straight to
// the widget, and pixel access on a grabbed image.

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "controls/colors.h"
#include "controls/gradbtn.h"

namespace lintra::controls::testing {

inline void EnsureApp() {
  static int argc = 1;
  static char name[] = "gradbtn_test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    QApplication* created = QApplication::instance() ? nullptr : new QApplication(argc, argv);
    // Captions are read pixel by pixel: a font the packages install (fonts-liberation), drawn without
    // antialiasing, so that every inked pixel has a layer's exact colour whichever fonts a machine has.
    QFont font(QStringLiteral("Liberation Sans"), 9);
    font.setStyleStrategy(QFont::NoAntialias);
    QApplication::setFont(font);
    return created;
  }();
  (void)app;
}

inline void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &event);
}
inline void Press(QWidget* w, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
  SendMouse(w, QEvent::MouseButtonPress, pos, button, button);
}
inline void DoublePress(QWidget* w, QPoint pos) {
  SendMouse(w, QEvent::MouseButtonDblClick, pos, Qt::LeftButton, Qt::LeftButton);
}
inline void Release(QWidget* w, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
  SendMouse(w, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}
inline void DragTo(QWidget* w, QPoint pos) { SendMouse(w, QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton); }
inline void Leave(QWidget* w) {
  QEvent event(QEvent::Leave);
  QCoreApplication::sendEvent(w, &event);
}
inline void Key(QWidget* w, int key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, mods, text);
  QCoreApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, key, mods, text);
  QCoreApplication::sendEvent(w, &release);
}

inline QImage Shot(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

inline TColor FromRgb(QRgb p) {
  return RGBColor(std::uint8_t(qRed(p)), std::uint8_t(qGreen(p)), std::uint8_t(qBlue(p)));
}

// The pixel as a colour word (low byte red), so it compares directly with TColor constants.
inline TColor At(const QImage& image, int x, int y) { return FromRgb(image.pixel(x, y)); }

inline TColor ToTColor(const QColor& c) {
  return RGBColor(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()));
}

}  // namespace lintra::controls::testing

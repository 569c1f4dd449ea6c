// Renders the keyboard and the two command buttons at their design places into a PNG, to look at.
// Usage: gradbtn_keyboard_shot OUT.png [SCALE] [--pressed]
// --pressed holds down the "Next Question" button and the C3 key so the pressed look can be compared.

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tools/bench/gradbtn/keyboard_layout.h"

namespace {

void HoldDown(QWidget* w) {
  const QPointF centre(w->width() / 2.0, w->height() - 5.0);
  QMouseEvent press(QEvent::MouseButtonPress, centre, w->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(w, &press);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const char* out = argc > 1 ? argv[1] : "/tmp/gradbtn_keyboard.png";
  double scale = 1.0;
  bool pressed = false;
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "--pressed") == 0) {
      pressed = true;
    } else {
      scale = std::atof(argv[i]);
    }
  }
  if (scale <= 0) scale = 1.0;

  QWidget window;
  window.resize(int(803 * scale), int(420 * scale));
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, QColor(192, 192, 192));
  window.setPalette(palette);
  window.setAutoFillBackground(true);
  auto keyboard = lintra::bench::BuildKeyboard(&window, scale, true);
  lintra::bench::AddCommandButtons(&window, scale, keyboard);
  window.show();
  if (pressed) {
    HoldDown(keyboard.startButton);
    HoldDown(keyboard.whiteKeys.at(11));  // C3, middle C
  }
  QImage image(window.size(), QImage::Format_RGB32);
  window.render(&image);
  if (!image.save(QString::fromLocal8Bit(out))) {
    std::fprintf(stderr, "could not write %s\n", out);
    return 1;
  }
  std::printf("%s: %dx%d\n", out, image.width(), image.height());
  return 0;
}

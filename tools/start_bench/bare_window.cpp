// The yardstick of the start-up benchmark: an empty Qt main window, shown
// maximized like the trainer's.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  window.showMaximized();
  return QApplication::exec();
}

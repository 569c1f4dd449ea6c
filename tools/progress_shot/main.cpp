// Renders the Progress window over a journal file and saves it in colour and in greyscale, to
// check that the mastery states read without colour.
//   lintra-progress-shot JOURNAL OUT.png [KEY]     (writes OUT.png and OUT-grey.png; KEY GMajor1)
#include <QApplication>
#include <QImage>
#include <QRegularExpression>
#include <QString>
#include <cstdio>

#include "app/qt/progress/progress_window.h"
#include "tools/progress_shot/journal_request.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: lintra-progress-shot JOURNAL OUT.png [KEY]\n");
    return 2;
  }
  const lintra::coach::ProgressRequest request = lintra::tools::RequestOver(argv[1], argc > 3 ? argv[3] : "GMajor1");
  lintra::progress::ProgressWindow window;
  window.Show(request);
  QCoreApplication::processEvents();
  const QImage colour = window.grab().toImage();
  const QString out = QString::fromLocal8Bit(argv[2]);
  QString grey = out;
  grey.replace(QRegularExpression(QStringLiteral("\\.png$")), QStringLiteral("-grey.png"));
  if (!colour.save(out) || !colour.convertToFormat(QImage::Format_Grayscale8).save(grey)) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  std::printf("%dx%d: %s, %s\n", colour.width(), colour.height(), qPrintable(out), qPrintable(grey));
  return 0;
}

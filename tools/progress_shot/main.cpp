// Renders the Progress window over a journal file and saves it in colour and in greyscale, to
// check that the mastery states read without colour. The window places itself on the screen as it
// does for the student (the offscreen platform's screen size comes from its configuration file).
//   lintra-progress-shot JOURNAL OUT.png [KEY] [--clef treble|bass|grand|alto|tenor] [--page N]
// writes OUT.png and OUT-grey.png; KEY is a key's menu item (GMajor1 by default), --page the tab
// shown (0 the notes, the first). It speaks the desktop's language, as the program does.
#include <QApplication>
#include <QImage>
#include <QRegularExpression>
#include <QScreen>
#include <QString>
#include <QTabWidget>
#include <cstdio>
#include <cstring>

#include "app/qt/progress/progress_window.h"
#include "tools/progress_shot/journal_request.h"
#include "translations/program_language.h"
#include "ui/language.h"

namespace {

struct Arguments {
  const char* journal = nullptr;
  const char* out = nullptr;
  const char* key = "GMajor1";
  lintra::practice::ClefRange clef = lintra::practice::ClefRange::Grand;
  int page = 0;
};

bool Parse(int argc, char** argv, Arguments& arguments) {
  int plain = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--clef") == 0 && i + 1 < argc) {
      const auto clef = lintra::practice::ParseClefRange(argv[++i]);
      if (!clef) return false;
      arguments.clef = *clef;
    } else if (std::strcmp(argv[i], "--page") == 0 && i + 1 < argc) {
      arguments.page = std::atoi(argv[++i]);
    } else {
      const char** positional[] = {&arguments.journal, &arguments.out, &arguments.key};
      if (plain >= 3) return false;
      *positional[plain++] = argv[i];
    }
  }
  return plain >= 2;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // In the desktop's language, as the program starts: LANG=de_DE.UTF-8 shows the German window.
  const lintra::translations::ProgramLanguage language(
      lintra::ui::ChooseLanguage({}, lintra::ui::ReadLocaleEnvironment()));
  Arguments arguments;
  if (!Parse(argc, argv, arguments)) {
    std::fprintf(
        stderr, "usage: lintra-progress-shot JOURNAL OUT.png [KEY] [--clef treble|bass|grand|alto|tenor] [--page N]\n");
    return 2;
  }
  const lintra::coach::ProgressRequest request =
      lintra::tools::RequestOver(arguments.journal, arguments.key, arguments.clef);
  lintra::progress::ProgressWindow window;
  window.Show(request);
  window.Pages().setCurrentIndex(arguments.page);
  QCoreApplication::processEvents();
  const QImage colour = window.grab().toImage();
  const QString out = QString::fromLocal8Bit(arguments.out);
  QString grey = out;
  grey.replace(QRegularExpression(QStringLiteral("\\.png$")), QStringLiteral("-grey.png"));
  if (!colour.save(out) || !colour.convertToFormat(QImage::Format_Grayscale8).save(grey)) {
    std::fprintf(stderr, "cannot write %s\n", arguments.out);
    return 1;
  }
  const QRect screen = window.screen()->availableGeometry();
  const QRect frame = window.frameGeometry();
  std::printf("%dx%d at %d,%d on a screen of %dx%d: %s, %s\n", frame.width(), frame.height(), frame.x(), frame.y(),
              screen.width(), screen.height(), qPrintable(out), qPrintable(grey));
  return 0;
}

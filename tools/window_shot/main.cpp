// Opens the real main window without MIDI devices, chooses the given menu
// items or clicks the given keys, and saves a picture of the window.
//   lintra-window-shot OUT.png [--size WxH | --maximized] [--dark] [--wait MS] [NAME ...]
// It speaks the desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). --dark opens it under a dark desktop palette; --maximized on the offscreen
// platform fills its screen (QT_QPA_PLATFORM=offscreen:configfile=... sets its size).
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPalette>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

#include "app/qt/main_window.h"
#include "midi/composite_service.h"
#include "midi/null_synth_service.h"
#include "testing/fake_midi_service.h"
#include "translations/program_language.h"
#include "ui/language.h"

namespace {

void Wait(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void UseDarkPalette() {
  QPalette dark(QColor(53, 53, 53));
  for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) dark.setColor(role, QColor(30, 30, 30));
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    dark.setColor(role, QColor(230, 230, 230));
  QApplication::setPalette(dark);
}

// Chooses the menu items and clicks the controls named, in turn; false at a name the window lacks.
bool ChooseAndClick(lintra::frontend::MainWindow& window, const std::vector<std::string>& names, int wait) {
  for (const auto& name : names) {
    auto& model = window.Form().Model();
    if (model.FindMenu(name) != nullptr) {
      window.ActionNamed(name)->trigger();
    } else if (model.FindControl(name) != nullptr) {
      window.Form().ClickControl(model.ControlNamed(name));
    } else {
      std::fprintf(stderr, "no control or menu item %s\n", name.c_str());
      return false;
    }
    Wait(wait);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // In the desktop's language, as the program starts: LANGUAGE=de shows the German window.
  const lintra::translations::ProgramLanguage language(
      lintra::ui::ChooseLanguage({}, lintra::ui::ReadLocaleEnvironment()));
  QApplication::setApplicationName(QStringLiteral("Grafel"));
  if (argc < 2) {
    std::fprintf(stderr,
                 "usage: lintra-window-shot OUT.png [--size WxH | --maximized] [--dark] [--wait MS] [NAME ...]\n");
    return 2;
  }
  bool maximized = false;
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "--dark") == 0) UseDarkPalette();
    if (std::strcmp(argv[i], "--maximized") == 0) maximized = true;
  }
  QTemporaryDir folder;
  auto service = std::make_unique<lintra::midi::CompositeMidiService>(
      std::make_unique<lintra::midi::FakeMidiService>(), std::make_unique<lintra::midi::NullSynthService>());
  lintra::frontend::QtClock clock;
  lintra::frontend::QtDialogs dialogs;
  lintra::frontend::QtShell shell;
  lintra::frontend::MainWindow window(
      {clock, dialogs, shell, std::move(service), folder.filePath("cmbtext.qor").toStdString(), "Note Help.html"});
  dialogs.SetOwner(&window);
  shell.SetWindow(&window);
  window.Create();
  int width = 0, height = 0, wait = 300;
  std::vector<std::string> names;
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc) {
      std::sscanf(argv[++i], "%dx%d", &width, &height);
    } else if (std::strcmp(argv[i], "--dark") == 0 || std::strcmp(argv[i], "--maximized") == 0) {
    } else if (std::strcmp(argv[i], "--wait") == 0 && i + 1 < argc) {
      wait = std::atoi(argv[++i]);
    } else {
      names.emplace_back(argv[i]);
    }
  }
  if (maximized)
    window.showMaximized();
  else
    window.show();
  Wait(wait);
  // Resized once shown, as a user would: before, the window takes its computed placement.
  if (width > 0 && height > 0) window.resize(width, height);
  Wait(wait);
  if (!ChooseAndClick(window, names, wait)) return 2;
  return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}

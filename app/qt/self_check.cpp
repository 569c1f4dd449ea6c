#include "app/qt/self_check.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QWindow>
#include <cstdio>

#include "app/qt/main_window.h"

namespace lintra::frontend {

void SelfCheckDialogs::Message(const std::string& text) { std::printf("box: %s\n", text.c_str()); }
void SelfCheckDialogs::Error(const std::string& text) { Message(text); }
bool SelfCheckDialogs::Confirm(const std::string& text, ui::DefaultAnswer) {
  Message(text);
  return false;
}
bool SelfCheckDialogs::InputQuery(const std::string&, const std::string& prompt, std::string&) {
  Message(prompt);
  return false;
}
bool SelfCheckDialogs::SaveFileName(const std::string& caption, std::string&) {
  Message(caption);
  return false;
}

bool SelfCheckDialogs::ChooseItem(const std::string&, const std::string& prompt, const std::vector<std::string>&,
                                  std::size_t&) {
  Message(prompt);
  return false;
}

int RunSelfCheck(MainWindow& window, const std::string& helpDocument, const std::vector<ModuleReport>& modules) {
  auto shown = [&] { return window.isVisible() && window.windowHandle() && window.windowHandle()->isExposed(); };
  auto asked = [&] { return window.Form().CurrentSlot != 0; };  // slot 0 is never in a question pool
  QElapsedTimer clock;
  clock.start();
  while (!(shown() && asked()) && clock.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);

  bool ok = true;
  if (shown()) {
    std::printf("window: shown, \"%s\"\n", window.windowTitle().toUtf8().constData());
  } else {
    std::printf("window: not shown\n");
    ok = false;
  }
  if (asked()) {
    const auto* line = qobject_cast<QLineEdit*>(window.Widget(ui::control::QuestShw));
    std::printf("question: note slot %d, \"%s\"\n", int(window.Form().CurrentSlot),
                line ? line->text().toUtf8().constData() : "");
  } else {
    std::printf("question: none asked\n");
    ok = false;
  }
  const QFileInfo help(QString::fromStdString(helpDocument));
  if (help.isFile()) {
    std::printf("help page: %s\n", help.absoluteFilePath().toUtf8().constData());
  } else {
    std::printf("help page: missing (%s)\n", helpDocument.c_str());
    ok = false;
  }
  for (const auto& module : modules) {
    if (!module.path.empty()) {
      std::printf("%s: %s\n", module.what.c_str(), module.path.c_str());
    } else {
      std::printf("%s: not loaded (%s)\n", module.what.c_str(), module.problem.c_str());
      ok = false;
    }
  }
  std::fflush(stdout);
  return ok ? 0 : 1;
}

}  // namespace lintra::frontend

// The trainer: one window, "Qor Lintra Trainer".
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/device_settings.h"
#include "app/qt/main_window.h"
#include "app/qt/self_check.h"
#include "midi/system_midi_service.h"

namespace {

// The help page ships beside the program, or in the source tree of a build.
std::string FindHelpDocument() {
  const QString name = QStringLiteral("Note Help.html");
  const QString dir = QCoreApplication::applicationDirPath();
  for (const QString& candidate : {dir + "/" + name, dir + "/../share/lintra/" + name,
                                   QStringLiteral(LINTRA_SOURCE_DIR "/assets/help/") + name}) {
    if (QFileInfo::exists(candidate)) return QFileInfo(candidate).absoluteFilePath().toStdString();
  }
  return (dir + "/" + name).toStdString();
}

}  // namespace

int main(int argc, char** argv) {
  // First, so that the MIDI system is reached while the toolkit starts.  The
  // synthesizer reports from its loading thread, which starts only when the
  // window opens it; the window hears of it on the user-interface thread,
  // where `target` is set long before.
  lintra::frontend::MainWindow* target = nullptr;
  auto midi = lintra::midi::MakeSystemMidiService([&target](const std::string& silence) {
    QMetaObject::invokeMethod(
        qApp,
        [&target, silence] {
          if (target) target->Form().Guard([&] { target->Form().SynthesizerSilent(silence); });
        },
        Qt::QueuedConnection);
  });
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Sonvra"));
  QApplication::setApplicationName(QStringLiteral("Grafel"));
  QApplication::setOrganizationName(QStringLiteral("Lintra"));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.lintra.Trainer"));
  const bool selfCheck = QCoreApplication::arguments().contains(QStringLiteral("--self-check"));

  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  const auto settingsFile = lintra::app::DeviceSettingsPath(config.toStdString()).string();

  const std::string help = FindHelpDocument();
  lintra::frontend::MainWindow window(std::move(midi), settingsFile, help);
  target = &window;
  window.ShowMaximizedThenCreate();
  if (selfCheck) return lintra::frontend::RunSelfCheck(window, help);
  return QApplication::exec();
}

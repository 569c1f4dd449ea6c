// The trainer: one window, "Qor Lintra Trainer".
#ifdef LINTRA_WARM_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <filesystem>
#include <optional>
#include <thread>

#include "app/device_settings.h"
#include "app/language_menu.h"
#include "app/qt/help_document.h"
#include "app/qt/main_window.h"
#include "app/qt/self_check.h"
#include "app/qt/window_style.h"
#include "listen/capture_module.h"
#include "listen/loader/module_capture.h"
#include "midi/loader/module_synth.h"
#include "midi/module_entry.h"
#include "midi/system/system_midi_service.h"
#include "translations/program_language.h"
#include "ui/language.h"
#include "ui/layout.h"

namespace {

// The program's modules lie beside it in a build, in lib/lintra when installed. Looked for before
// the toolkit starts, which would know the program's folder only later.
std::vector<std::filesystem::path> ModuleCandidates(const char* argv0, const char* fileName) {
  std::error_code error;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) program = std::filesystem::absolute(argv0, error);
  const auto dir = program.parent_path();
  return {dir / fileName, (dir / "../lib/lintra" / fileName).lexically_normal()};
}

// The built-in synthesizer reports from its loading thread, which starts only when the window opens
// it; the window hears of it on the user-interface thread, where `target` is set long before.
std::unique_ptr<lintra::midi::ModuleSynth> BuiltInSynth(const char* argv0, lintra::frontend::MainWindow*& target) {
  return std::make_unique<lintra::midi::ModuleSynth>(
      ModuleCandidates(argv0, lintra::midi::kModuleFileName),
      [&target](const std::string& silence, const std::string& detail) {
        QMetaObject::invokeMethod(
            qApp,
            [&target, silence, detail] {
              if (target) target->Form().Guard([&] { target->Form().SynthesizerSilent(silence, detail); });
            },
            Qt::QueuedConnection);
      },
      lintra::midi::KeyRange{lintra::ui::kLowestKeyNote,
                             lintra::ui::kLowestKeyNote + static_cast<int>(lintra::ui::Keyboard().size()) - 1});
}

struct UserFiles {
  std::string settings;
  std::string journal;
};

UserFiles FindUserFiles() {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  // The journal is data, not configuration: it lives in the per-user data folder. Without the folder
  // the journal itself tells the student that this session's answers are only kept in memory.
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir().mkpath(data);
  return {lintra::app::DeviceSettingsPath(config.toStdString()).string(),
          (data + QStringLiteral("/journal.sqlite")).toStdString()};
}

// The help page ships beside the program, or in the source tree of a build.
std::string HelpPage(const std::string& language) {
  const std::filesystem::path dir = QCoreApplication::applicationDirPath().toStdString();
  return lintra::frontend::FindHelpDocument({dir, dir / "../share/lintra", LINTRA_SOURCE_DIR "/assets/help"},
                                            language);
}

}  // namespace

int main(int argc, char** argv) {
  // The window's texts need the font configuration, which takes milliseconds to read: read on
  // a thread of its own while the toolkit starts, it is there when the first text is measured.
#ifdef LINTRA_WARM_FONTCONFIG
  std::jthread fontConfiguration([] { FcInit(); });
#endif
  lintra::frontend::MainWindow* target = nullptr;
  auto synth = BuiltInSynth(argv[0], target);
  lintra::midi::ModuleSynth& builtInSynth = *synth;
  // The platform's MIDI ports are reached when the window is created, after its first paint.
  auto midi = lintra::midi::MakeSystemMidiService(std::move(synth),
                                                  ModuleCandidates(argv[0], lintra::midi::kPortsModuleFileName));
  auto portsModule = std::move(midi.portsModule);
  QApplication application(argc, argv);
  QApplication::setStyle(new lintra::frontend::WindowStyle);
  QApplication::setApplicationName(QStringLiteral("Grafel"));
  QApplication::setOrganizationName(QStringLiteral("Lintra"));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.lintra.Trainer"));
  const bool selfCheck = QCoreApplication::arguments().contains(QStringLiteral("--self-check"));
  const UserFiles files = FindUserFiles();
  const std::string wanted =
      lintra::ui::ChooseLanguage(lintra::app::ChosenLanguage(files.settings), lintra::ui::ReadLocaleEnvironment());
  const lintra::translations::ProgramLanguage language(wanted);

  const std::string help = HelpPage(language.Language());
  lintra::frontend::QtClock clock;
  lintra::frontend::QtDialogs boxes;
  // A check that no one watches must not wait for a box to be answered.
  lintra::frontend::SelfCheckDialogs printedBoxes;
  lintra::ui::Dialogs& dialogs = selfCheck ? static_cast<lintra::ui::Dialogs&>(printedBoxes) : boxes;
  lintra::frontend::QtShell shell;
  // The sound input's module is loaded when listening is first switched on, never at start.
  const auto captureCandidates = ModuleCandidates(argv[0], lintra::listen::kCaptureModuleFileName);
  std::optional<lintra::listen::ModuleCapture> capture;
  auto soundInput = [&capture, &captureCandidates]() -> lintra::listen::CaptureService& {
    if (!capture) capture = lintra::listen::LoadModuleCapture(captureCandidates);
    return *capture->service;
  };
  lintra::frontend::MainWindow window({clock, dialogs, shell, std::move(midi.service), files.settings, help,
                                       files.journal, std::move(midi.reach), soundInput});
  boxes.SetOwner(&window);
  shell.SetWindow(&window);
  target = &window;
#ifdef LINTRA_WARM_FONTCONFIG
  fontConfiguration.join();  // long done: the window has measured its texts
#endif
  window.ShowMaximizedThenCreate();
  if (selfCheck) {
    const auto synthModule = builtInSynth.Load();
    const auto ports = portsModule();
    soundInput();
    std::vector<lintra::frontend::ModuleReport> modules{{"synthesizer module", synthModule.path, synthModule.problem},
                                                        {"ports module", ports.path, ports.problem},
                                                        {"capture module", capture->load.path, capture->load.problem}};
    if (wanted != lintra::ui::kEnglish) modules.push_back({"catalog", language.Catalog(), language.Problem()});
    return lintra::frontend::RunSelfCheck(window, help, modules);
  }
  return QApplication::exec();
}

// The real window for tests on the offscreen platform: over a fake MIDI service, on a manual clock
// (the window's timers run only when a test moves the time on), with boxes that are read, not shown.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/main_window.h"
#include "controls/elastfrm.h"
#include "midi/composite_service.h"
#include "midi/null_synth_service.h"
#include "testing/fake_midi_service.h"
#include "testing/manual_clock.h"
#include "testing/recording_dialogs.h"

namespace lintra::frontend {

// Lets the toolkit deliver what has been posted (resizes, paints, queued calls); no time passes.
inline void Settle() {
  for (int round = 0; round < 3; ++round) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

struct WindowDoubles {
  ui::ManualClock clock;
  ui::RecordingDialogs dialogs;
  QtShell shell;
};

// The doubles come first among the bases, so they are made before the window and outlive it.
class TestWindow : public WindowDoubles, public MainWindow {
 public:
  TestWindow(std::unique_ptr<midi::MidiService> midi, std::string settingsFile, std::string helpPage)
      : MainWindow({clock, dialogs, shell, std::move(midi), std::move(settingsFile), std::move(helpPage)}) {
    shell.SetWindow(this);
  }
  // Moves the window's time on by `ms` and lets the toolkit catch up.
  void Advance(std::int64_t ms) {
    Settle();
    clock.Advance(ms);
    Settle();
  }
};

inline std::unique_ptr<midi::MidiService> FakeMidi(std::vector<std::string> inputs = {}) {
  auto fake = std::make_unique<midi::FakeMidiService>();
  if (!inputs.empty()) fake->SetInputDevices(std::move(inputs));
  return std::make_unique<midi::CompositeMidiService>(std::move(fake), std::make_unique<midi::NullSynthService>());
}

// Created, shown, and past the first question (it follows 10 ms after the start).
inline std::unique_ptr<TestWindow> OpenCreated(const QTemporaryDir& folder, QSize screen = QSize(808, 580),
                                               std::string helpPage = "Note Help.html", bool maximized = false,
                                               std::vector<std::string> inputs = {}) {
  auto window = std::make_unique<TestWindow>(FakeMidi(std::move(inputs)), folder.filePath("cmbtext.qor").toStdString(),
                                             std::move(helpPage));
  window->ElasticForm1()->SetScreenSizeForTesting(screen);
  window->Create();
  if (maximized) {
    window->showMaximized();
  } else {
    window->show();
  }
  window->Advance(100);
  return window;
}

// Opened on a screen whose maximized window is `screen`, then given the design client area or the
// outer size `outer` (a maximized window fills the screen whatever its dragging limit).
inline std::unique_ptr<TestWindow> OpenWindow(const QTemporaryDir& folder, QSize screen, QSize outer = {}) {
  auto window = OpenCreated(folder, screen);
  if (outer.isEmpty()) {
    window->resize(window->size() + QSize(ui::kDesignClientWidth, ui::kDesignClientHeight) - window->Client()->size());
  } else {
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window->resize(outer - (window->frameGeometry().size() - window->size()));
  }
  Settle();
  return window;
}

}  // namespace lintra::frontend

// The real window over a fake MIDI service, for tests on the offscreen platform.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <memory>

#include "app/qt/main_window.h"
#include "controls/elastfrm.h"
#include "midi/composite_service.h"
#include "midi/fake_midi_service.h"
#include "midi/null_synth_service.h"

namespace lintra::frontend {

inline void Wait(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Opened on a screen whose maximized window is `screen`, then given the design client area or the
// outer size `outer` (a maximized window fills the screen whatever its dragging limit).
inline std::unique_ptr<MainWindow> OpenWindow(const QTemporaryDir& folder, QSize screen, QSize outer = {}) {
  auto service = std::make_unique<midi::CompositeMidiService>(std::make_unique<midi::FakeMidiService>(),
                                                              std::make_unique<midi::NullSynthService>());
  auto window = std::make_unique<MainWindow>(std::move(service), folder.filePath("cmbtext.qor").toStdString(),
                                             "Note Help.html");
  window->ElasticForm1()->SetScreenSizeForTesting(screen);
  window->Create();
  window->show();
  Wait(100);
  if (outer.isEmpty()) {
    window->resize(window->size() + QSize(ui::kDesignClientWidth, ui::kDesignClientHeight) - window->Client()->size());
  } else {
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window->resize(outer - (window->frameGeometry().size() - window->size()));
  }
  Wait(50);
  return window;
}

}  // namespace lintra::frontend

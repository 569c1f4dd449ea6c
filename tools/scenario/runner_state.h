// What a scenario's commands act on: the window, the services it was built
// with, and what the set-up commands gathered before it started.
#pragma once

#include <deque>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/form2.h"
#include "app/trainer.h"
#include "midi/message_loop.h"
#include "testing/fake_capture_service.h"
#include "testing/fake_midi_service.h"
#include "testing/heard_sound.h"
#include "testing/manual_clock.h"
#include "tools/scenario/scripted_services.h"
#include "ui/window_model.h"

namespace lintra::scenario {

struct RunnerState {
  explicit RunnerState(std::ostream& o)
      : out(o), dialogs(o, answers, currentLine), shell(o), canvas(o), progressView(o) {
    dialogs.pump = &pump;
    capture.devices.clear();  // no sound input until a script gives one
  }
  ~RunnerState() {
    form = nullptr;
    trainer.reset();
    model.reset();
    std::error_code error;
    if (!folder.empty()) std::filesystem::remove_all(folder, error);
  }
  RunnerState(const RunnerState&) = delete;
  RunnerState& operator=(const RunnerState&) = delete;

  std::ostream& out;
  int currentLine = 0;
  std::deque<Answer> answers;
  ScriptedDialogs dialogs;
  RunnerShell shell;
  TraceCanvas canvas;
  RunnerPump pump;
  RecordingProgressView progressView;
  std::string journalPath;  // empty: no journal, as by default
  ui::ManualClock clock;
  midi::MessageLoop loop;
  midi::FakeMidiService* fake = nullptr;
  std::unique_ptr<midi::MidiService> service;
  std::vector<std::string> inputs, outputs;
  std::filesystem::path folder;
  std::filesystem::path settingsFile;
  testing::FakeCaptureService capture;
  std::unique_ptr<testing::HeardSound> heard;  // what the sound input hears, once a script gives one
  bool echo = false;                           // the sound input hears the trainer's own notes
  std::unique_ptr<ui::WindowModel> model;
  std::unique_ptr<app::Trainer> trainer;
  app::TForm2* form = nullptr;      // the trainer's window, once started
  bool traceAnnouncements = false;  // "trace announce": print what assistive technology is told
  bool quit = false;
};

}  // namespace lintra::scenario

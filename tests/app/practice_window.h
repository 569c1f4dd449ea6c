// A trainer with its practice features, on a manual clock and scripted dialogs, for the tests of
// the journal's side: a folder of its own for each test, the journal kept there when asked.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/device_settings.h"
#include "app/form2.h"
#include "app/trainer.h"
#include "coach/progress_view.h"
#include "midi/composite_service.h"
#include "midi/null_synth_service.h"
#include "testing/fake_midi_service.h"
#include "testing/manual_clock.h"
#include "testing/recording_canvas.h"
#include "testing/recording_dialogs.h"
#include "ui/window_model.h"

namespace lintra::app::test {

namespace fs = std::filesystem;

class Pump : public ui::EventPump {
 public:
  void ProcessPendingEvents() override {}
};

// Keeps what the Progress window was last asked to show, and counts the answers it heard of.
struct ShownProgress : coach::ProgressView {
  void Show(const coach::ProgressRequest& shown) override { request = shown; }
  void Answered() override { ++answers; }
  coach::ProgressRequest request;
  int answers = 0;
};

class Window {
 public:
  // `startUpBoxMs`: how long the student reads each box shown at the start; `startMs`: the clock at
  // the start, when later than the manual clock's own (a start days after another window's);
  // `setClock`: where and when the window starts otherwise (a clock set back, another time zone).
  Window(const fs::path& folder, bool journal, std::int64_t startUpBoxMs = 0, std::int64_t startMs = 0,
         const std::function<void(ui::ManualClock&)>& setClock = nullptr)
      : service_(std::make_unique<midi::FakeMidiService>(), std::make_unique<midi::NullSynthService>()) {
    if (startMs > clock_.Now()) clock_.SetNow(startMs);
    if (setClock) setClock(clock_);
    FormServices services{clock_, dialogs, shell_, pump_, canvas_, service_, loop_, DeviceSettingsPath(folder), "help"};
    fs::create_directories(folder);
    dialogs.confirm = true;
    if (startUpBoxMs > 0) dialogs.whileOpen = [this, startUpBoxMs] { clock_.Advance(startUpBoxMs); };
    PracticeServices practice;
    if (journal) practice.journalPath = (folder / "journal.sqlite").string();
    practice.progressView = &progress;
    trainer = std::make_unique<Trainer>(model, services, practice);
    form = &trainer->Form();
    form->FormCreate();
    form->Initial();
    form->FormPaint();
    clock_.Advance(10);  // the first question
    dialogs.whileOpen = nullptr;
  }
  void Wait(std::int64_t ms) { clock_.Advance(ms); }
  // The clock set forward with the window idle: no timer runs meanwhile.
  void Jump(std::int64_t ms) { clock_.SetNow(clock_.Now() + ms); }
  void Press(int midiNote) { form->ClickControl(model.Key(midiNote - ui::kLowestKeyNote)); }
  void Menu(std::string_view name) { form->Guard(model.MenuNamed(name).handler); }
  int Wrong() const { return form->QuestionNote == 60 ? 62 : 60; }
  // The journal as CSV rows of cells, header first.
  std::vector<std::vector<std::string>> Rows() {
    std::stringstream csv;
    EXPECT_TRUE(trainer->Coach().Journal().WriteCsv(csv));
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(csv, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      std::vector<std::string> cells;
      std::stringstream in(line);
      for (std::string cell; std::getline(in, cell, ',');) cells.push_back(cell);
      rows.push_back(cells);
    }
    return rows;
  }

  ui::ManualClock clock_;
  ui::RecordingDialogs dialogs;
  ui::QuietShell shell_;
  Pump pump_;
  notation::RecordingCanvas canvas_;
  midi::MessageLoop loop_;
  midi::CompositeMidiService service_;
  ShownProgress progress;
  ui::WindowModel model;
  std::unique_ptr<Trainer> trainer;
  TForm2* form = nullptr;
};

class PracticeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "lintra-progress-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    std::error_code error;
    fs::remove_all(folder_, error);
  }
  fs::path folder_;
};

// The questions asked, answering each right after `ms`.
inline std::vector<int> Questions(Window& w, int count, std::int64_t ms) {
  std::vector<int> asked;
  for (int i = 0; i < count; ++i) {
    asked.push_back(w.form->CurrentSlot);
    w.Wait(ms);
    w.Press(w.form->QuestionNote);
    w.Wait(600);
  }
  return asked;
}

}  // namespace lintra::app::test

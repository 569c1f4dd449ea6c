// Times, on the window's own thread, the answer handler (judging, sounding, recording the answer in
// the journal) and the tick that asks the next question, with the plain pick and with "Practise Weak
// Notes", over a journal in a temporary folder.
//   bench_answer_path [ANSWERS]    (2000 by default)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/form2.h"
#include "app/trainer.h"
#include "midi/composite_service.h"
#include "midi/null_synth_service.h"
#include "testing/fake_midi_service.h"
#include "testing/manual_clock.h"
#include "testing/recording_canvas.h"
#include "ui/window_model.h"

namespace {

using namespace lintra;
using Clock = std::chrono::steady_clock;

struct Silent : ui::Dialogs, ui::Shell, ui::EventPump {
  void Message(const std::string& text) override { std::fprintf(stderr, "box: %s\n", text.c_str()); }
  void Error(const std::string& text) override { Message(text); }
  bool Confirm(const std::string&, ui::DefaultAnswer) override { return false; }
  bool InputQuery(const std::string&, const std::string&, std::string&) override { return false; }
  bool SaveFileName(const std::string&, std::string&) override { return false; }
  bool ChooseItem(const std::string&, const std::string&, const std::vector<std::string>&, std::size_t&) override {
    return false;
  }
  bool OpenDocument(const std::string&) override { return false; }
  void Terminate() override {}
  void SetBusyCursor(bool) override {}
  void Maximize() override {}
  void ProcessPendingEvents() override {}
};

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  return values[std::min(values.size() - 1, static_cast<std::size_t>(p * static_cast<double>(values.size())))];
}

// Answers `count` questions, one wrong then right for every fourth, and prints the handlers' times.
void Run(const std::filesystem::path& folder, bool weak, int count) {
  std::filesystem::create_directories(folder);
  ui::ManualClock clock;
  Silent services;
  notation::RecordingCanvas canvas;
  midi::MessageLoop loop;
  midi::CompositeMidiService midi(std::make_unique<midi::FakeMidiService>(),
                                  std::make_unique<midi::NullSynthService>());
  ui::WindowModel model;
  app::FormServices s{clock, services, services, services, canvas, midi, loop, folder / "cmbtext.qor", "help"};
  app::Trainer trainer(model, s, {.journalPath = (folder / "journal.sqlite").string()});
  app::TForm2& form = trainer.Form();
  form.FormCreate();
  form.Guard(model.M(ui::menu::Off1).handler);  // every question in the key of the start
  if (weak) form.Guard(model.M(ui::menu::PractiseWeakNotes).handler);
  clock.Advance(10);
  std::vector<double> answers, ticks;
  for (int i = 0; i < count; ++i) {
    clock.Advance(700 + (i * 37) % 900);
    auto& key = model.Key(form.QuestionNote - ui::kLowestKeyNote);
    if (i % 4 == 0) {
      form.ClickControl(model.Key(form.QuestionNote == 60 ? 62 - ui::kLowestKeyNote : 60 - ui::kLowestKeyNote));
      clock.Advance(600);  // the question sounds again
      clock.Advance(400);
    }
    const auto start = Clock::now();
    form.ClickControl(key);
    answers.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    clock.Advance(599);
    const auto tick = Clock::now();
    clock.Advance(1);  // the next question
    ticks.push_back(std::chrono::duration<double, std::micro>(Clock::now() - tick).count());
  }
  const auto slowest = std::max_element(answers.begin(), answers.end());
  std::printf(
      "%-6s answer handler: median %.1f us, p99 %.1f us, max %.1f us (answer %d); next-question tick: "
      "median %.1f us, p99 %.1f us, max %.1f us\n",
      weak ? "weak" : "plain", Percentile(answers, 0.5), Percentile(answers, 0.99), *slowest,
      static_cast<int>(slowest - answers.begin()), Percentile(ticks, 0.5), Percentile(ticks, 0.99),
      *std::max_element(ticks.begin(), ticks.end()));
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
  std::string pattern = (std::filesystem::temp_directory_path() / "lintra-answer-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) return 1;
  const std::filesystem::path folder = pattern;
  Run(folder / "plain", false, count);
  Run(folder / "weak", true, count);
  std::error_code error;
  std::filesystem::remove_all(folder, error);
  return 0;
}

// The window's services as a scenario provides them: dialogs answered from the
// script's queue, a shell and a canvas that write to the transcript, and a
// pump whose pending events are the posted MIDI notifications.
#pragma once

#include <deque>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

#include "app/sound_input_chooser.h"
#include "coach/progress_view.h"
#include "notation/canvas.h"
#include "ui/dialogs.h"

namespace lintra::app {
class TForm2;
}
namespace lintra::midi {
class MessageLoop;
}

namespace lintra::scenario {

struct Answer {
  enum Kind { Yes, No, Ok, Cancel } kind;
  std::string text;
  bool hasText = false;
  int line = 0;
};

class ScriptedDialogs : public ui::Dialogs, public app::SoundInputChooser {
 public:
  ScriptedDialogs(std::ostream& out, std::deque<Answer>& answers, const int& line)
      : out_(out), answers_(answers), line_(line) {}

  // A box runs an event loop of its own while it is shown: MIDI notes that
  // are already waiting are handled before it is answered.
  void Message(const std::string& text) override;
  void Error(const std::string& text) override;
  bool Confirm(const std::string& text, ui::DefaultAnswer preferred) override;
  bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) override;
  // A name without a folder is a file in the scenario's own folder.
  bool SaveFileName(const std::string& caption, std::string& path) override;
  // "Sound Input...": answered with ok "NAME" (one of the inputs, or "" for the default) or cancel.
  // A list: answered with ok "ITEM" (one of the items, as shown) or cancel.
  bool ChooseItem(const std::string& caption, const std::string& prompt, const std::vector<std::string>& items,
                  std::size_t& chosen) override;
  std::optional<std::string> ChooseSoundInput(const app::SoundInputChoice& choice) override;

  ui::EventPump* pump = nullptr;
  std::filesystem::path folder;

 private:
  Answer Next(const std::string& what);
  std::ostream& out_;
  std::deque<Answer>& answers_;
  const int& line_;
};

class RunnerShell : public ui::Shell {
 public:
  explicit RunnerShell(std::ostream& out) : out_(out) {}
  bool OpenDocument(const std::string& path) override;
  void Terminate() override { terminated = true; }
  void SetBusyCursor(bool) override {}
  void Maximize() override {}
  bool terminated = false;

 private:
  std::ostream& out_;
};

class TraceCanvas : public notation::Canvas {
 public:
  explicit TraceCanvas(std::ostream& out) : out_(out) {}
  void DrawText(int x, int y, std::string_view text, const notation::TextStyle& style) override;
  bool trace = false;

 private:
  std::ostream& out_;
};

// Prints what the Progress window is asked to show, and keeps the request so that its buttons can
// be pressed.
class RecordingProgressView : public coach::ProgressView {
 public:
  explicit RecordingProgressView(std::ostream& out) : out_(out) {}
  void Show(const coach::ProgressRequest& request) override;
  coach::ProgressRequest last;
  bool shown = false;

 private:
  std::ostream& out_;
};

class RunnerPump : public ui::EventPump {
 public:
  void ProcessPendingEvents() override;
  midi::MessageLoop* loop = nullptr;
  app::TForm2* form = nullptr;
};

}  // namespace lintra::scenario

#include <algorithm>
#include "tools/scenario/runner.h"

#include <cstdlib>
#include <deque>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>

#include "app/device_settings.h"
#include "app/form2.h"
#include "midi/composite_service.h"
#include "midi/fake_midi_service.h"
#include "midi/message_loop.h"
#include "notation/canvas.h"
#include "tools/scenario/transcript.h"
#include "ui/manual_clock.h"
#include "ui/window_model.h"

namespace lintra::scenario {
namespace {

struct Answer {
  enum Kind { Yes, No, Ok, Cancel } kind;
  std::string text;
  bool hasText = false;
  int line = 0;
};

class ScriptedDialogs : public ui::Dialogs {
 public:
  ScriptedDialogs(std::ostream& out, std::deque<Answer>& answers, const int& line)
      : out_(out), answers_(answers), line_(line) {}

  // A box runs an event loop of its own while it is shown: MIDI notes that
  // are already waiting are handled before it is answered.
  void Message(const std::string& text) override {
    out_ << "dialog message " << Quoted(text) << '\n';
    if (pump) pump->ProcessPendingEvents();
  }
  void Error(const std::string& text) override {
    out_ << "dialog error " << Quoted(text) << '\n';
    if (pump) pump->ProcessPendingEvents();
  }
  ui::EventPump* pump = nullptr;

  bool Confirm(const std::string& text) override {
    const Answer answer = Next("confirmation " + Quoted(text));
    if (answer.kind != Answer::Yes && answer.kind != Answer::No) {
      throw ui::DialogNotAnswered{"a confirmation " + Quoted(text) + " needs answer yes or no"};
    }
    const bool yes = answer.kind == Answer::Yes;
    out_ << "dialog confirm " << Quoted(text) << " -> " << (yes ? "yes" : "no") << '\n';
    return yes;
  }

  bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) override {
    const Answer answer = Next("prompt " + Quoted(caption));
    if (answer.kind != Answer::Ok && answer.kind != Answer::Cancel) {
      throw ui::DialogNotAnswered{"a prompt " + Quoted(caption) + " needs answer ok or cancel"};
    }
    out_ << "dialog prompt " << Quoted(caption) << ' ' << Quoted(prompt) << ' ' << Quoted(value) << " -> ";
    if (answer.kind == Answer::Cancel) {
      out_ << "cancel\n";
      return false;
    }
    if (answer.hasText) value = answer.text;
    out_ << "ok " << Quoted(value) << '\n';
    return true;
  }

 private:
  Answer Next(const std::string& what) {
    if (answers_.empty()) throw ui::DialogNotAnswered{"no answer queued for the " + what};
    Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  std::ostream& out_;
  std::deque<Answer>& answers_;
  const int& line_;
};

class RunnerShell : public ui::Shell {
 public:
  explicit RunnerShell(std::ostream& out) : out_(out) {}
  bool OpenDocument(const std::string& path) override {
    out_ << "open " << Quoted(std::filesystem::path(path).filename().string()) << '\n';
    return true;
  }
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
  void DrawText(int x, int y, std::string_view text, const notation::TextStyle& style) override {
    if (!trace) return;
    out_ << "draw " << Quoted(text) << ' ' << x << ' ' << y << ' ' << (style.opaque ? "opaque" : "transparent")
         << ' ' << (style.colour == notation::TextColour::White ? "white" : "black") << '\n';
  }
  bool trace = false;

 private:
  std::ostream& out_;
};

// Pending events in a scenario are the posted MIDI notifications.
class RunnerPump : public ui::EventPump {
 public:
  void ProcessPendingEvents() override {
    if (loop == nullptr || form == nullptr) return;
    while (loop->Pending() > 0) {
      form->Guard([this] { loop->DispatchPending(); });
    }
  }
  midi::MessageLoop* loop = nullptr;
  app::TForm2* form = nullptr;
};

std::int64_t ParseClock(const ScriptLine& line) {
  if (line.args.size() != 1) throw ScriptError(line.number, "clock takes HH:MM:SS.mmm");
  int h = 0, m = 0, s = 0, ms = 0;
  char c1 = 0, c2 = 0, c3 = 0;
  std::istringstream in(line.args[0]);
  if (!(in >> h >> c1 >> m >> c2 >> s >> c3 >> ms) || c1 != ':' || c2 != ':' || c3 != '.' || h < 0 || h > 23 ||
      m < 0 || m > 59 || s < 0 || s > 59 || ms < 0 || ms > 999 || line.args[0].size() != 12) {
    throw ScriptError(line.number, "bad clock time " + line.args[0]);
  }
  return ((static_cast<std::int64_t>(h) * 60 + m) * 60 + s) * 1000 + ms;
}

int ParseNumber(const ScriptLine& line, const std::string& text, int low, int high) {
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || value < low || value > high) {
    throw ScriptError(line.number, "bad number " + text);
  }
  return static_cast<int>(value);
}

std::string Decimal(std::int64_t value) { return std::to_string(value); }

}  // namespace

struct Runner::State {
  explicit State(std::ostream& o) : out(o), dialogs(o, answers, currentLine), shell(o), canvas(o) {
    dialogs.pump = &pump;
  }
  ~State() {
    form.reset();
    model.reset();
    std::error_code error;
    if (!folder.empty()) std::filesystem::remove_all(folder, error);
  }

  std::ostream& out;
  int currentLine = 0;
  std::deque<Answer> answers;
  ScriptedDialogs dialogs;
  RunnerShell shell;
  TraceCanvas canvas;
  RunnerPump pump;
  ui::ManualClock clock;
  midi::MessageLoop loop;
  midi::FakeMidiService* fake = nullptr;
  std::unique_ptr<midi::MidiService> service;
  std::vector<std::string> inputs, outputs;
  std::filesystem::path folder;
  std::filesystem::path settingsFile;
  std::unique_ptr<ui::WindowModel> model;
  std::unique_ptr<app::TForm2> form;
  bool quit = false;
};

Runner::Runner(std::ostream& out) : state_(std::make_unique<State>(out)) {
  auto& s = *state_;
  std::string pattern = (std::filesystem::temp_directory_path() / "lintra-scenario-XXXXXX").string();
  if (char* made = ::mkdtemp(pattern.data())) s.folder = made;
  s.settingsFile = app::DeviceSettingsPath(s.folder);
}

Runner::~Runner() = default;

bool Runner::Quit() const { return state_->quit; }
app::TForm2* Runner::Form() { return state_->form.get(); }
ui::WindowModel* Runner::Model() { return state_->model.get(); }
const std::filesystem::path& Runner::SettingsFile() const { return state_->settingsFile; }

void Runner::Finish(int lastLine) {
  if (!state_->answers.empty()) {
    throw ScriptError(state_->answers.front().line, "answer left unused at the end (line " +
                                                        std::to_string(lastLine) + " was the last)");
  }
}

int Runner::Run(const std::string& source, std::ostream& err) {
  int last = 0;
  try {
    for (const auto& line : ParseScript(source)) {
      last = line.number;
      Execute(line);
      if (Quit()) return 0;
    }
    Finish(last);
  } catch (const ScriptError& error) {
    state_->out.flush();
    err << "lintra-scenario: " << error.what() << '\n';
    return 2;
  }
  return 0;
}

void Runner::Execute(const ScriptLine& line) {
  auto& s = *state_;
  s.currentLine = line.number;
  s.out << "> " << line.text << '\n';
  const auto& cmd = line.command;
  const auto& args = line.args;
  auto needStarted = [&](bool started) {
    if (static_cast<bool>(s.form) != started) {
      throw ScriptError(line.number, cmd + (started ? " needs start first" : " must come before start"));
    }
  };
  auto needArgs = [&](std::size_t count) {
    if (args.size() != count) throw ScriptError(line.number, cmd + " takes " + std::to_string(count) + " argument(s)");
  };

  try {
    if (cmd == "clock") {
      needStarted(false);
      s.clock.SetNow(ParseClock(line));
    } else if (cmd == "midi-in-devices") {
      needStarted(false);
      s.inputs = args;
    } else if (cmd == "midi-out-devices") {
      needStarted(false);
      s.outputs = args;
    } else if (cmd == "midi-in-plug" || cmd == "midi-in-unplug" || cmd == "midi-out-plug" ||
               cmd == "midi-out-unplug") {
      // A device is plugged in or out while the window runs (or before it starts).
      needArgs(1);
      const bool input = cmd.rfind("midi-in", 0) == 0;
      auto& names = input ? s.inputs : s.outputs;
      if (cmd.find("unplug") == std::string::npos) {
        names.push_back(args[0]);
      } else {
        const auto at = std::find(names.begin(), names.end(), args[0]);
        if (at == names.end()) throw ScriptError(line.number, "no device " + args[0] + " to unplug");
        names.erase(at);
      }
      if (s.fake) (input ? s.fake->SetInputDevices(names) : s.fake->SetOutputDevices(names));
    } else if (cmd == "settings") {
      needStarted(false);
      std::filesystem::create_directories(s.settingsFile.parent_path());
      std::ofstream file(s.settingsFile, std::ios::binary | std::ios::trunc);
      for (const auto& text : args) file << text << "\r\n";
    } else if (cmd == "trace") {
      if (args.size() != 1 || args[0] != "draw") throw ScriptError(line.number, "trace takes draw");
      s.canvas.trace = true;
    } else if (cmd == "start") {
      needStarted(false);
      needArgs(0);
      auto fake = std::make_unique<midi::FakeMidiService>();
      fake->SetInputDevices(s.inputs);
      fake->SetOutputDevices(s.outputs);
      s.fake = fake.get();
      s.service = std::make_unique<midi::CompositeMidiService>(std::move(fake),
                                                                std::make_unique<midi::NullSynthService>());
      s.model = std::make_unique<ui::WindowModel>();
      app::FormServices services{s.clock, s.dialogs, s.shell, s.pump, s.canvas, *s.service, s.loop,
                                 s.settingsFile, "Note Help.html"};
      s.form = std::make_unique<app::TForm2>(*s.model, services);
      s.pump.loop = &s.loop;
      s.pump.form = s.form.get();
      s.form->OnShortSent = [&s](std::uint8_t a, std::uint8_t b, std::uint8_t c) {
        s.out << "midi-out " << int{a} << ' ' << int{b} << ' ' << int{c} << '\n';
      };
      s.form->FormCreate();
      s.form->Initial();
      s.form->FormPaint();
    } else if (cmd == "wait") {
      needStarted(true);
      needArgs(1);
      s.clock.Advance(ParseNumber(line, args[0], 0, 24 * 60 * 60 * 1000));
    } else if (cmd == "click") {
      needStarted(true);
      needArgs(1);
      auto& model = *s.model;
      if (auto* control = model.FindControl(args[0])) {
        if (!control->visible || !control->enabled) {
          s.out << "ignored " << args[0] << '\n';
        } else {
          s.form->ClickControl(*control);
        }
      } else if (auto* item = model.FindMenu(args[0])) {
        std::vector<ui::MenuItem*> path;
        for (auto* at = item; at != nullptr; at = at->parent) path.insert(path.begin(), at);
        bool reachable = true;
        for (auto* at : path) reachable = reachable && at->enabled;
        if (!reachable) {
          s.out << "ignored " << args[0] << '\n';
        } else {
          // The submenus above the item open; one that has a handler runs it as it opens.
          for (auto* at : path) {
            if (at == item && !item->OpensSubmenu()) break;
            if (at->handler) s.form->Guard(at->handler);
          }
          if (!item->OpensSubmenu() && item->handler) s.form->Guard(item->handler);
        }
      } else {
        throw ScriptError(line.number, "unknown control or menu item " + args[0]);
      }
    } else if (cmd == "select" || cmd == "type") {
      needStarted(true);
      needArgs(2);
      auto* combo = s.model->FindControl(args[0]);
      if (combo == nullptr || (combo->Kind() != ui::ControlKind::ComboEdit && combo->Kind() != ui::ControlKind::ComboPick)) {
        throw ScriptError(line.number, "unknown drop-down list " + args[0]);
      }
      if (cmd == "type" && combo->Kind() != ui::ControlKind::ComboEdit) {
        throw ScriptError(line.number, args[0] + " has no edit field");
      }
      if (!combo->visible || !combo->enabled) {
        s.out << "ignored " << args[0] << '\n';
      } else if (cmd == "select") {
        const int index = ParseNumber(line, args[1], 0, 1 << 20);
        if (index >= static_cast<int>(combo->items.size())) {
          throw ScriptError(line.number, args[0] + " has no item " + args[1]);
        }
        s.form->SelectItem(*combo, index);
      } else {
        s.form->TypeText(*combo, args[1]);
      }
    } else if (cmd == "midi-in-burst") {
      // Several notes arrive one right after another, before the window
      // handles the first of them.
      needStarted(true);
      if (args.empty() || args.size() % 3 != 0) throw ScriptError(line.number, "midi-in-burst takes groups of three bytes");
      std::vector<std::uint8_t> bytes;
      for (const auto& text : args) bytes.push_back(static_cast<std::uint8_t>(ParseNumber(line, text, 0, 255)));
      bool delivered = s.form->MidiInput1.IsOpen();
      for (std::size_t i = 0; delivered && i < bytes.size(); i += 3) {
        delivered = s.fake->InjectShort(bytes[i], bytes[i + 1], bytes[i + 2]);
      }
      if (!delivered) s.out << "ignored midi-in\n";
      s.pump.ProcessPendingEvents();
    } else if (cmd == "midi-in" || cmd == "midi-in-sysex") {
      needStarted(true);
      std::vector<std::uint8_t> bytes;
      for (const auto& text : args) bytes.push_back(static_cast<std::uint8_t>(ParseNumber(line, text, 0, 255)));
      if (cmd == "midi-in" && bytes.size() != 3) throw ScriptError(line.number, "midi-in takes three bytes");
      if (cmd == "midi-in-sysex" && bytes.empty()) throw ScriptError(line.number, "midi-in-sysex takes bytes");
      if (!s.form->MidiInput1.IsOpen()) {
        s.out << "ignored midi-in\n";
      } else {
        const bool delivered = cmd == "midi-in" ? s.fake->InjectShort(bytes[0], bytes[1], bytes[2])
                                                : s.fake->InjectSysex(bytes);
        if (!delivered) {
          s.out << "ignored midi-in\n";
        } else {
          s.pump.ProcessPendingEvents();
        }
      }
    } else if (cmd == "answer") {
      if (args.empty() || args.size() > 2) throw ScriptError(line.number, "answer takes yes, no, ok, ok \"TEXT\" or cancel");
      Answer answer{Answer::Yes, {}, false, line.number};
      if (args[0] == "yes" && args.size() == 1) {
        answer.kind = Answer::Yes;
      } else if (args[0] == "no" && args.size() == 1) {
        answer.kind = Answer::No;
      } else if (args[0] == "cancel" && args.size() == 1) {
        answer.kind = Answer::Cancel;
      } else if (args[0] == "ok") {
        answer.kind = Answer::Ok;
        if (args.size() == 2) {
          if (!line.quoted[1]) throw ScriptError(line.number, "the typed text goes in double quotes");
          answer.text = args[1];
          answer.hasText = true;
        }
      } else {
        throw ScriptError(line.number, "unknown answer " + args[0]);
      }
      s.answers.push_back(answer);
    } else if (cmd == "paint") {
      needStarted(true);
      s.form->FormPaint();
    } else if (cmd == "close") {
      needStarted(true);
      s.form->FormClose();
    } else if (cmd == "show") {
      if (args.size() == 1 && args[0] == "settings") {
        std::ifstream file(s.settingsFile, std::ios::binary);
        if (!file) {
          s.out << "settings none\n";
        } else {
          const std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
          s.out << "settings";
          std::size_t start = 0;
          while (start < content.size()) {
            auto end = content.find("\r\n", start);
            if (end == std::string::npos) end = content.size();
            s.out << ' ' << Quoted(content.substr(start, end - start));
            start = end + 2;
          }
          s.out << '\n';
        }
      } else {
        needStarted(true);
        needArgs(0);
        auto& m = *s.model;
        auto& f = *s.form;
        for (const char* name : {"QuestShw", "AnsShow", "Score", "Items"}) {
          s.out << "text " << name << ' ' << Quoted(m.C(name).text) << '\n';
        }
        for (const char* name : {"KeyList", "Memo1"}) {
          s.out << "lines " << name;
          for (const auto& text : m.C(name).lines) s.out << ' ' << Quoted(text);
          s.out << '\n';
        }
        s.out << "checked";
        for (const auto& item : m.AllMenus()) {
          if (item->checked) s.out << ' ' << item->Name();
        }
        s.out << "\ndisabled";
        for (const auto& control : m.AllControls()) {
          if (!control->enabled) s.out << ' ' << control->Name();
        }
        for (const auto& item : m.AllMenus()) {
          if (!item->enabled) s.out << ' ' << item->Name();
        }
        s.out << "\nvisible";
        for (const char* name : {"Label1", "Label3", "cmbInput", "cmbOutput"}) {
          s.out << ' ' << name << '=' << (m.C(name).visible ? 1 : 0);
        }
        s.out << '\n';
        for (const char* name : {"cmbInput", "cmbOutput"}) {
          const auto& combo = m.C(name);
          s.out << "combo " << name << ' ' << Quoted(combo.text) << ' ' << combo.itemIndex;
          for (const auto& item : combo.items) s.out << ' ' << Quoted(item);
          s.out << '\n';
        }
        s.out << "caption NoteNamesOn " << Quoted(m.M("NoteNamesOn").caption) << '\n';
        s.out << "caption Syllables1 " << Quoted(m.M("Syllables1").caption) << '\n';
        s.out << "keys";
        for (const auto& control : m.AllControls()) {
          if (control->Kind() == ui::ControlKind::Key && !ui::Keyboard()[static_cast<std::size_t>(ui::KeyIndex(control->Name()))].black) {
            s.out << ' ' << Quoted(control->text);
          }
        }
        s.out << '\n';
        s.out << "timer Timer1 " << (f.Timer1().Enabled() ? "on" : "off") << ' ' << f.Timer1().Interval() << '\n';
        s.out << "timer Timer3 " << (f.Timer3().Enabled() ? "on" : "off") << ' ' << f.Timer3().Interval() << '\n';
        auto var = [&](const char* name, const std::string& value) { s.out << "var " << name << ' ' << value << '\n'; };
        var("AnswerCount", Decimal(f.AnswerCount));
        var("WrongCount", Decimal(f.WrongCount));
        var("CurrentSlot", Decimal(f.CurrentSlot));
        var("SpelledName", Quoted(f.SpelledName));
        var("DisplayName", Quoted(f.DisplayName));
        var("QuestionNote", Decimal(f.QuestionNote));
        var("SoundingNote", Decimal(f.SoundingNote));
        var("KeyNote", Decimal(f.KeyNote));
        var("NoteX", Decimal(f.NoteX));
        var("NoteY", Decimal(f.NoteY));
        var("NoteAccidental", Quoted(f.NoteAccidental));
        var("TrebleClef", Decimal(f.TrebleClef));
        var("PickRange", Decimal(f.PickRange));
        var("LeadingToneSlot1", Decimal(f.LeadingToneSlot1));
        var("LeadingToneSlot2", Decimal(f.LeadingToneSlot2));
        var("LeadingToneSlot3", Decimal(f.LeadingToneSlot3));
        var("LeadingToneAccidental", Quoted(f.LeadingToneAccidental));
        var("KeySignatureKind", Quoted(f.KeySignatureKind));
        var("KeySignatureCount", Decimal(f.KeySignatureCount));
        var("RepeatPending", Decimal(f.RepeatPending));
        var("SkipNoteDraw", f.SkipNoteDraw ? "1" : "0");
        var("Instrument", Decimal(f.Instrument));
        var("CorrectThreshold", Quoted(f.CorrectThreshold));
        var("ScoreThreshold", Quoted(f.ScoreThreshold));
        var("LastModulationKey", Decimal(f.LastModulationKey));
        var("MidiInNote", Decimal(f.MidiInNote));
        const auto& in = f.MidiInput1;
        const char* inState = in.GetState() == midi::TMidiInput::State::Open     ? "open"
                              : in.GetState() == midi::TMidiInput::State::Closed ? "closed"
                                                                                 : "none";
        s.out << "midi in " << inState << ' ' << Quoted(in.ProductName()) << " out "
              << (f.MidiOutput1.IsOpen() ? "open" : "closed") << ' ' << Quoted(f.MidiOutput1.ProductName()) << '\n';
      }
    } else {
      throw ScriptError(line.number, "unknown command " + cmd);
    }
  } catch (const ui::DialogNotAnswered& fault) {
    throw ScriptError(line.number, fault.what);
  }
  if (s.shell.terminated && !s.quit) {
    s.quit = true;
    s.out << "quit\n";
  }
}

}  // namespace lintra::scenario

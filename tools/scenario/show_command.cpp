#include <fstream>
#include <iterator>
#include <sstream>

#include "notation/line_painter.h"
#include "theory/note_range.h"
#include "tools/scenario/commands.h"
#include "tools/scenario/transcript.h"

namespace lintra::scenario {
namespace {

std::string Decimal(std::int64_t value) { return std::to_string(value); }

void ShowSettings(const Command& c) {
  auto& out = c.s.out;
  std::ifstream file(c.s.settingsFile, std::ios::binary);
  if (!file) {
    out << "settings none\n";
    return;
  }
  const std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  out << "settings";
  std::size_t start = 0;
  while (start < content.size()) {
    auto end = content.find("\r\n", start);
    if (end == std::string::npos) end = content.size();
    out << ' ' << Quoted(content.substr(start, end - start));
    start = end + 2;
  }
  out << '\n';
}

// The "Reading" menu's check marks are shown once one of its features is on: its radio items'
// defaults would otherwise change every transcript written before it.
bool Listed(ui::WindowModel& m, const ui::MenuItem& item) {
  const ui::MenuItem* top = &item;
  while (top->parent != nullptr) top = top->parent;
  if (top->Name() != ui::menu::Reading1.text) return true;
  for (const auto on : {ui::menu::ReadLine, ui::menu::AltoClef, ui::menu::TenorClef, ui::menu::ChooseRange}) {
    if (m.M(on).checked) return true;
  }
  return false;
}

void ShowControls(std::ostream& out, ui::WindowModel& m) {
  for (const char* name : {"QuestShw", "AnsShow", "Score", "Items"}) {
    out << "text " << name << ' ' << Quoted(m.ControlNamed(name).text) << '\n';
  }
  for (const char* name : {"KeyList", "Memo1"}) {
    out << "lines " << name;
    for (const auto& text : m.ControlNamed(name).lines) out << ' ' << Quoted(text);
    out << '\n';
  }
  out << "checked";
  for (const auto& item : m.AllMenus()) {
    if (item->checked && Listed(m, *item)) out << ' ' << item->Name();
  }
  out << "\ndisabled";
  for (const auto& control : m.AllControls()) {
    if (!control->enabled) out << ' ' << control->Name();
  }
  for (const auto& item : m.AllMenus()) {
    if (!item->enabled) out << ' ' << item->Name();
  }
  out << "\nvisible";
  for (const char* name : {"Label1", "Label3", "cmbInput", "cmbOutput"}) {
    out << ' ' << name << '=' << (m.ControlNamed(name).visible ? 1 : 0);
  }
  out << '\n';
  for (const char* name : {"cmbInput", "cmbOutput"}) {
    const auto& combo = m.ControlNamed(name);
    out << "combo " << name << ' ' << Quoted(combo.text) << ' ' << combo.itemIndex;
    for (const auto& item : combo.items) out << ' ' << Quoted(item);
    out << '\n';
  }
  out << "caption NoteNamesOn " << Quoted(m.M(ui::menu::NoteNamesOn).caption) << '\n';
  out << "caption Syllables1 " << Quoted(m.M(ui::menu::Syllables1).caption) << '\n';
  out << "keys";
  for (const auto& control : m.AllControls()) {
    if (control->Kind() == ui::ControlKind::Key &&
        !ui::Keyboard()[static_cast<std::size_t>(ui::KeyIndex(control->Name()))].black) {
      out << ' ' << Quoted(control->text);
    }
  }
  out << '\n';
}

void ShowForm(std::ostream& out, app::TForm2& f) {
  out << "timer Timer1 " << (f.Timer1().Enabled() ? "on" : "off") << ' ' << f.Timer1().Interval() << '\n';
  out << "timer Timer3 " << (f.Timer3().Enabled() ? "on" : "off") << ' ' << f.Timer3().Interval() << '\n';
  auto var = [&](const char* name, const std::string& value) { out << "var " << name << ' ' << value << '\n'; };
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
  out << "midi in " << inState << ' ' << Quoted(in.ProductName()) << " out "
      << (f.MidiOutput1.IsOpen() ? "open" : "closed") << ' ' << Quoted(f.MidiOutput1.ProductName()) << '\n';
}

// The lines of a file, as show settings prints them.
void ShowFile(const Command& c, const std::filesystem::path& file, const char* what) {
  auto& out = c.s.out;
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    out << what << " none\n";
    return;
  }
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out << what << ' ' << Quoted(line) << '\n';
  }
}

std::string_view StateName(notation::NoteState state) {
  switch (state) {
    case notation::NoteState::Ahead:
      break;
    case notation::NoteState::Reading:
      return "reading";
    case notation::NoteState::Right:
      return "right";
    case notation::NoteState::Wrong:
      return "wrong";
  }
  return "ahead";
}

// "line 2 "C3" right "E3" reading "G3" ahead": the place of the note being read (0 once all are
// read), then each note with its state; "line none" without a line.
void ShowLine(const Command& c) {
  auto& reading = c.s.form->Reading();
  if (!reading.Shown()) {
    c.s.out << "line none\n";
    return;
  }
  c.s.out << "line " << reading.NoteNumber();
  for (const auto& note : reading.Notes()) {
    c.s.out << ' ' << Quoted(theory::SpelledNoteTable()[note.slot].letterName) << ' ' << StateName(note.state);
  }
  c.s.out << '\n';
}

// "reading line on length 6 leap third clef alto range C2 G3": the "Reading" menu's choices.
void ShowReading(const Command& c) {
  auto& m = *c.s.model;
  const auto& choices = c.s.trainer->Coach().Reading();
  const auto rules = choices.Rules();
  static constexpr const char* kLeaps[] = {"third", "fifth", "octave"};
  const char* clef = m.M(ui::menu::AltoClef).checked ? "alto" : m.M(ui::menu::TenorClef).checked ? "tenor" : "none";
  c.s.out << "reading line " << (m.M(ui::menu::ReadLine).checked ? "on" : "off") << " length " << rules.length
          << " leap " << kLeaps[static_cast<int>(rules.largestLeap)] << " clef " << clef << " range "
          << theory::NameOfKey(choices.Range().lowest, false) << ' '
          << theory::NameOfKey(choices.Range().highest, false) << '\n';
}

void ShowJournal(const Command& c) {
  std::ostringstream csv;
  if (!c.s.trainer->Coach().Journal().WriteCsv(csv)) {
    c.s.out << "journal none\n";
    return;
  }
  std::istringstream lines(csv.str());
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    c.s.out << "journal " << Quoted(line) << '\n';
  }
}

}  // namespace

void Show(const Command& c) {
  if (c.Args().size() == 1 && c.Args()[0] == "settings") {
    ShowSettings(c);
    return;
  }
  if (c.Args().size() == 1 && c.Args()[0] == "options") {
    ShowFile(c, c.s.settingsFile.parent_path() / "options.qor", "options");
    return;
  }
  if (!c.Args().empty() && c.Args()[0] == "file") {
    c.NeedArgs(2);
    ShowFile(c, c.s.folder / c.Args()[1], "file");
    return;
  }
  if (c.Args().size() == 1 && c.Args()[0] == "status") {
    c.NeedStarted(true);
    const auto& line = c.s.model->C(ui::control::StatusLine);
    c.s.out << "status " << (line.visible ? "shown" : "hidden") << ' ' << Quoted(line.text) << '\n';
    return;
  }
  if (c.Args().size() == 1 && c.Args()[0] == "staff") {
    c.NeedStarted(true);
    c.s.out << "staff " << Quoted(c.s.model->C(ui::control::PaintBox1).text) << '\n';
    return;
  }
  if (c.Args().size() == 1 && (c.Args()[0] == "line" || c.Args()[0] == "reading")) {
    c.NeedStarted(true);
    (c.Args()[0] == "line" ? ShowLine : ShowReading)(c);
    return;
  }
  if (c.Args().size() == 1 && c.Args()[0] == "journal") {
    c.NeedStarted(true);
    ShowJournal(c);
    return;
  }
  if (c.Args().size() == 1 && c.Args()[0] == "microphone") {
    c.NeedStarted(true);
    auto& microphone = c.s.trainer->Microphone();
    c.s.out << "microphone " << (microphone.Listening() ? "listening " : "off ") << Quoted(microphone.SoundInput())
            << '\n';
    return;
  }
  c.NeedStarted(true);
  c.NeedArgs(0);
  ShowControls(c.s.out, *c.s.model);
  ShowForm(c.s.out, *c.s.form);
}

}  // namespace lintra::scenario

// "Resume Where I Left Off": the exercise, key, clef, note names and instrument of the last run,
// kept in the options file and brought back at the next start. A line that names nothing this
// build knows is passed over: that choice stays as a first start makes it.
#include <map>

#include "app/form2.h"
#include "midi/message_bytes.h"
#include "practice/staff_place.h"
#include "theory/keys.h"
#include "ui/key_menus.h"

namespace lintra::app {
namespace {

bool OneOf(const std::string& value, std::initializer_list<std::string_view> names) {
  for (const auto name : names) {
    if (value == name) return true;
  }
  return false;
}

}  // namespace

void TForm2::ResumeWhereILeftOffClick() { ToggleOption(menu::ResumeWhereILeftOff); }

std::vector<std::string> TForm2::LastRunLines() {
  auto checkedKeyOf = [this](std::string_view scale) {
    for (const auto& key : theory::Keys()) {
      const auto& item = model_.M(ui::KeyMenu(key.id));
      if (item.checked && item.parent != nullptr && item.parent->Name() == scale) return key.id;
    }
    return theory::KeyId::CMajor;
  };
  // The reverse exercise always shows the chromatic scale; the key is the one note reading returns to.
  theory::KeyId key = theory::KeyId::CMajor;
  if (Checked(menu::PlayKeyboard)) {
    key = RememberChromatic ? theory::KeyId::Chromatic
                            : checkedKeyOf(RememberMajor ? menu::MajorKeys1 : menu::MinorKeys1);
  } else {
    key = CurrentKey();
  }
  const auto* clef = model_.FirstChecked({menu::ClavedoSol1, menu::ClavedoF1, menu::Ambos1});
  return {
      std::string("LastExercise=") + (Checked(menu::PlayKeyboard) ? "PlayKeyboard" : "NotationQuestions"),
      std::string("LastSpelling=") + (Checked(menu::Sharps1) ? "Sharps1" : "Flats1"),
      "LastKey=" + std::string(ui::KeyMenu(key).text),
      "LastClef=" + std::string(clef != nullptr ? clef->Name() : "ClavedoSol1"),
      std::string("LastNoteNames=") + (Checked(menu::NoteNames) ? "NoteNames" : "NoteNamesOff"),
      std::string("LastNaming=") + (Checked(menu::Syllables) ? "Syllables" : "Letters"),
      "LastInstrument=" + std::to_string(Instrument),
  };
}

void TForm2::RestoreLastRun() {
  std::map<std::string, std::string> last;
  for (const auto& line : lastRunLines_) {
    if (const auto equals = line.find('='); equals != std::string::npos) {
      last[line.substr(0, equals)] = line.substr(equals + 1);
    }
  }
  // The clef first: the chromatic scale closes the "Clefs" menu.
  if (const auto& clef = last["LastClef"]; OneOf(clef, {"ClavedoSol1", "ClavedoF1", "Ambos1"})) {
    model_.ClickFromCode(model_.MenuNamed(clef));
  }
  // The file names keys by their menu items, as builds before the keys' identities read them.
  if (const auto key = ui::KeyOfMenu(last["LastKey"]); key == theory::KeyId::Chromatic) {
    ChromaticScaleClick();
  } else if (key) {
    KeyCommand(*key);
  }
  if (const auto& naming = last["LastNaming"]; OneOf(naming, {"Letters", "Syllables"}))
    model_.ClickFromCode(model_.MenuNamed(naming));
  if (last["LastNoteNames"] == "NoteNames") NoteNamesClick();
  if (const auto& text = last["LastInstrument"];
      !text.empty() && text.size() <= 3 && text.find_first_not_of("0123456789") == std::string::npos) {
    const int number = std::stoi(text);
    if (number <= 127) {
      Instrument = static_cast<std::int8_t>(number);
      Send(midi::ProgramChange{Instrument});
    }
  }
  if (last["LastExercise"] == "PlayKeyboard") {
    PlayKeyboardClick();
    last["LastSpelling"] == "Sharps1" ? Sharps1Click() : Flats1Click();
  }
}

}  // namespace lintra::app

// The window's handlers under the names the layout gives them.
#include <array>
#include <utility>

#include "app/form2.h"
#include "theory/keys.h"
#include "ui/key_menus.h"

namespace lintra::app {
namespace {

using Handler = void (TForm2::*)();

constexpr std::array<std::pair<std::string_view, Handler>, 30> kNamedHandlers{{
    {"Exit1Click", &TForm2::Exit1Click},
    {"ProgramHelpClick", &TForm2::ProgramHelpClick},
    {"About1Click", &TForm2::About1Click},
    {"StartButtonClick", &TForm2::StartButtonClick},
    {"AnsDisplayClick", &TForm2::AnsDisplayClick},
    {"ClavedoSol1Click", &TForm2::ClavedoSol1Click},
    {"ClavedoF1Click", &TForm2::ClavedoF1Click},
    {"Ambos1Click", &TForm2::Ambos1Click},
    {"LettersClick", &TForm2::LettersClick},
    {"SyllablesClick", &TForm2::SyllablesClick},
    {"NoteNamesClick", &TForm2::NoteNamesClick},
    {"NoteNamesOffClick", &TForm2::NoteNamesOffClick},
    {"ChromaticScaleClick", &TForm2::ChromaticScaleClick},
    {"PlayKeyboardClick", &TForm2::PlayKeyboardClick},
    {"Flats1Click", &TForm2::Flats1Click},
    {"Sharps1Click", &TForm2::Sharps1Click},
    {"NotationQuestionsClick", &TForm2::NotationQuestionsClick},
    {"On1Click", &TForm2::On1Click},
    {"Off1Click", &TForm2::Off1Click},
    {"AutoModOnClick", &TForm2::AutoModOnClick},
    {"AutoModOffClick", &TForm2::AutoModOffClick},
    {"cmbInputChange", &TForm2::cmbInputChange},
    {"cmbOutputChange", &TForm2::cmbOutputChange},
    {"Outputs1Click", &TForm2::Outputs1Click},
    {"MidiInOnClick", &TForm2::MidiInOnClick},
    {"MidiInOffClick", &TForm2::MidiInOffClick},
    {"MIDIInst1Click", &TForm2::MIDIInst1Click},
    {"SustainOnClick", &TForm2::SustainOnClick},
    {"SustainOffClick", &TForm2::SustainOffClick},
    {"Desligados1Click", &TForm2::Desligados1Click},
}};

}  // namespace

void TForm2::AddHandlers(ui::Handlers& handlers) {
  for (const auto& named : kNamedHandlers) {
    handlers.Add(named.first, [this, handler = named.second] { (this->*handler)(); });
  }
  // The 43 keys share one routine, and so do the 24 key commands; each passes its own.
  for (int i = 0; i < static_cast<int>(ui::Keyboard().size()); ++i) {
    handlers.Add(ui::Keyboard()[static_cast<std::size_t>(i)].handler, [this, i] { KeyClick(i); });
  }
  for (const auto& key : theory::Keys()) {
    handlers.Add(model_.M(ui::KeyMenu(key.id)).layout.handler, [this, id = key.id] { KeyCommand(id); });
  }
}

}  // namespace lintra::app

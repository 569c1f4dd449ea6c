#include "coach/resume.h"

#include <initializer_list>
#include <string>

#include "ui/key_menus.h"

namespace lintra::coach {
namespace {

namespace menu = ui::menu;

bool OneOf(const std::string& value, std::initializer_list<ui::MenuName> items) {
  for (const auto item : items) {
    if (value == item.text) return true;
  }
  return false;
}

// An instrument as the file holds it: a program number of up to three digits, at most 127.
std::optional<int> Program(const std::string& text) {
  if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos) return {};
  const int number = std::stoi(text);
  return number <= 127 ? std::optional<int>(number) : std::nullopt;
}

}  // namespace

bool Resume::Resuming() { return window_.Model().M(menu::ResumeWhereILeftOff).checked; }

void Resume::StartValuesSet() {
  if (!Resuming()) return;
  auto& model = window_.Model();
  auto click = [&](std::string_view item) { model.ClickFromCode(model.MenuNamed(item)); };
  // The clef first: the chromatic scale closes the "Clefs" menu.
  if (const auto& clef = options_.Value(Option::LastClef);
      OneOf(clef, {menu::ClavedoSol1, menu::ClavedoF1, menu::Ambos1}))
    click(clef);
  // The file names keys by their menu items, as builds before the keys' identities read them.
  if (const auto key = ui::KeyOfMenu(options_.Value(Option::LastKey))) click(ui::KeyMenu(*key));
  if (const auto& naming = options_.Value(Option::LastNaming); OneOf(naming, {menu::Letters, menu::Syllables}))
    click(naming);
  if (options_.Value(Option::LastNoteNames) == menu::NoteNames.text) click(menu::NoteNames);
  if (const auto program = Program(options_.Value(Option::LastInstrument))) window_.UseInstrument(*program);
  if (options_.Value(Option::LastExercise) == menu::PlayKeyboard.text) {
    click(menu::PlayKeyboard);
    click(options_.Value(Option::LastSpelling) == menu::Sharps1.text ? menu::Sharps1 : menu::Flats1);
  }
}

void Resume::Closing() {
  if (Resuming()) saveOptions_();
}

void Resume::SavingOptions(Options& options) {
  if (!Resuming()) return;
  auto& model = window_.Model();
  auto checked = [&](ui::MenuName item) { return model.M(item).checked; };
  const auto* clef = model.FirstChecked({menu::ClavedoSol1, menu::ClavedoF1, menu::Ambos1});
  options.Set(Option::LastExercise, std::string(checked(menu::PlayKeyboard) ? "PlayKeyboard" : "NotationQuestions"));
  options.Set(Option::LastSpelling, std::string(checked(menu::Sharps1) ? "Sharps1" : "Flats1"));
  options.Set(Option::LastKey, std::string(ui::KeyMenu(window_.KeyToReturnTo()).text));
  options.Set(Option::LastClef, std::string(clef != nullptr ? clef->Name() : menu::ClavedoSol1.text));
  options.Set(Option::LastNoteNames, std::string(checked(menu::NoteNames) ? "NoteNames" : "NoteNamesOff"));
  options.Set(Option::LastNaming, std::string(checked(menu::Syllables) ? "Syllables" : "Letters"));
  options.Set(Option::LastInstrument, std::to_string(window_.Instrument()));
}

}  // namespace lintra::coach

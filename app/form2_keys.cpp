// Note names on the keys, the 24 key commands and the chromatic scale.
#include "app/form2.h"
#include "theory/keys.h"
#include "theory/note_names.h"
#include "theory/note_table.h"
#include "ui/key_menus.h"
#include "ui/translate.h"

namespace lintra::app {

std::string TForm2::ShownName(std::string_view name) { return theory::ShownOctave(name, Checked(menu::MiddleCIsC4)); }

void TForm2::SetWhiteKeyCaptions(bool syllables) {
  for (int i = 0; i < static_cast<int>(ui::Keyboard().size()); ++i) {
    if (ui::Keyboard()[static_cast<std::size_t>(i)].black) continue;
    const auto note = static_cast<std::uint8_t>(ui::kLowestKeyNote + i);
    model_.SetText(model_.Key(i), theory::WhiteKeyCaption(note, syllables));
  }
}

std::string TForm2::KeyAccessibleName(int chromaticIndex) {
  const auto& key = ui::Keyboard()[static_cast<std::size_t>(chromaticIndex)];
  const bool letters = !Checked(menu::Syllables);
  auto name = [&](int slot) {
    const auto& row = theory::SpelledNoteTable().at(static_cast<std::size_t>(slot));
    return ShownName(letters ? row.letterName : row.syllableName);
  };
  const int natural = 3 * key.letterStep;
  return key.black ? name(natural + 1) + " / " + name(natural + 2) : name(natural);
}

void TForm2::LettersClick() {
  Check(menu::Letters);
  model_.SetCaption(model_.M(menu::Syllables1), ui::Tr("Menu", "Syllables?"));
  if (Checked(menu::NoteNames)) SetWhiteKeyCaptions(false);
}

void TForm2::SyllablesClick() {
  Check(menu::Syllables);
  model_.SetCaption(model_.M(menu::Syllables1), ui::Tr("Menu", "Letters?"));
  if (Checked(menu::NoteNames)) SetWhiteKeyCaptions(true);
}

void TForm2::NoteNamesClick() {
  Check(menu::NoteNames);
  model_.SetCaption(model_.M(menu::NoteNamesOn), ui::Tr("Menu", "Note Names Off?"));
  model_.ClickFromCode(Checked(menu::Letters) ? menu::Letters : menu::Syllables);
}

void TForm2::NoteNamesOffClick() {
  Check(menu::NoteNamesOff);
  model_.SetCaption(model_.M(menu::NoteNamesOn), ui::Tr("Menu", "Note Names On?"));
  for (int i = 0; i < static_cast<int>(ui::Keyboard().size()); ++i) {
    if (!ui::Keyboard()[static_cast<std::size_t>(i)].black) model_.SetText(model_.Key(i), "");
  }
}

void TForm2::KeyCommand(theory::KeyId keyId) {
  const auto* key = theory::FindKey(keyId);
  if (key == nullptr) return;
  Check(key->minor ? menu::MinorKeys1 : menu::MajorKeys1);
  questionOpen_ = false;  // a note of the old key, answered now, would be journalled in the new one
  model_.SetEnabled(model_.M(menu::Claves1), true);
  NoteX = 0;
  RepeatPending = 0;
  model_.SetChecked(model_.M(ui::KeyMenu(key->id)), true);
  if (!key->minor) LeadingToneAccidental = " ";
  // The C# minor command has always left the answer line as it was.
  if (key->id != theory::KeyId::CSharpMinor) SetText(control::AnsShow, "");
  KeySignatureKind = std::string(key->signatureKind);
  KeySignatureCount = key->signatureCount;
  DrawStaff();
  SetText(control::QuestShw, ui::TrMarked("Keys", key->instruction));
  std::vector<std::string> pool;
  for (const auto slot : key->pool) pool.push_back(std::to_string(slot));
  model_.SetLines(model_.C(control::KeyList), std::move(pool));
  if (key->minor) {
    LeadingToneSlot1 = static_cast<std::int8_t>(key->leadingTones[0]);
    LeadingToneSlot2 = static_cast<std::int8_t>(key->leadingTones[1]);
    LeadingToneAccidental = std::string(key->leadingToneAccidental);
    LeadingToneSlot3 = static_cast<std::int8_t>(key->leadingTones[2]);
  }
  Timer1().SetInterval(10);
  Timer1().SetEnabled(true);
}

void TForm2::ChromaticScaleClick() {
  Check(menu::ChromaticScale);
  questionOpen_ = false;
  Check(menu::AutoAdvance2, false);
  Check(menu::AutoModulate2, false);
  Check(menu::Off1);
  Check(menu::AutoModOff);
  SetText(control::QuestShw, ui::Tr("MainWindow", "Play notes from the Chromatic Scale"));
  SetText(control::AnsShow, " ");
  KeySignatureKind = " ";
  LeadingToneAccidental = " ";
  KeySignatureCount = 0;
  DrawStaff();
  model_.SetEnabled(model_.M(menu::Claves1), false);
  NoteX = 0;
  RepeatPending = 0;
  Timer1().SetInterval(10);
  Timer1().SetEnabled(true);
}

}  // namespace lintra::app

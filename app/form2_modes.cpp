// The two exercises: note reading and the reverse exercise.
#include "app/form2.h"
#include "theory/keys.h"
#include "ui/key_menus.h"
#include "ui/translate.h"

namespace lintra::app {

void TForm2::PlayKeyboardClick() {
  // The submenu opens again whenever the pointer rests on its item: by then
  // the chromatic scale is checked, and remembering it would lose the key
  // the student came from.
  const bool alreadyOn = Checked(menu::PlayKeyboard);
  Check(menu::PlayKeyboard);
  if (!alreadyOn) {
    if (Checked(menu::MajorKeys1)) RememberMajor = true;
    if (Checked(menu::MinorKeys1)) RememberMinor = true;
    if (Checked(menu::ChromaticScale)) RememberChromatic = true;
  }
  Check(menu::ChromaticScale);
  model_.SetEnabled(model_.M(menu::Keys), false);
  model_.SetEnabled(model_.M(menu::Claves1), false);
  SetText(control::QuestShw, ui::Tr("MainWindow", "Click keyboard to see notation."));
  SetText(control::Items, " ");
  SetText(control::AnsShow, " ");
  SetText(control::Score, "");
  KeySignatureKind.clear();
  KeySignatureCount = 0;
  DrawStaff();
  model_.SetEnabled(model_.C(control::StartButton), false);
  model_.SetEnabled(model_.C(control::AnsDisplay), false);
  model_.SetEnabled(model_.M(menu::MajorKeys1), false);
  model_.SetEnabled(model_.M(menu::MinorKeys1), false);
}

void TForm2::Flats1Click() {
  Check(menu::Flats1);
  model_.SetEnabled(model_.M(menu::Advance1), false);
}

void TForm2::Sharps1Click() {
  Check(menu::Sharps1);
  model_.SetEnabled(model_.M(menu::Advance1), false);
}

void TForm2::NotationQuestionsClick() {
  // Already reading notes: there is nothing to return from, and restoring
  // from empty flags would clear the staff and switch to the minor keys.
  if (Checked(menu::NotationQuestions)) return;
  DrawStaff();
  NoteX = 0;
  model_.SetEnabled(model_.M(menu::MajorKeys1), true);
  model_.SetEnabled(model_.M(menu::MinorKeys1), true);
  Check(menu::NotationQuestions);
  model_.SetEnabled(model_.C(control::StartButton), true);
  model_.SetEnabled(model_.C(control::AnsDisplay), true);
  Check(menu::ChromaticScale, false);
  model_.SetEnabled(model_.M(menu::Advance1), true);
  model_.SetEnabled(model_.M(menu::Keys), true);
  model_.SetEnabled(model_.M(menu::Claves1), true);

  if (RememberChromatic) {
    Check(menu::ChromaticScale);
    RememberChromatic = false;
  } else if (RememberMajor) {
    Check(menu::MajorKeys1);
    RememberMajor = false;
  } else {
    Check(menu::MinorKeys1);
    RememberMinor = false;
  }

  auto runFirstChecked = [this](auto order) {
    for (const auto key : order) {
      if (auto& item = model_.M(ui::KeyMenu(key)); item.checked) {
        model_.ClickFromCode(item);
        return;
      }
    }
  };
  if (Checked(menu::MajorKeys1)) runFirstChecked(theory::MajorRestoreOrder());
  if (Checked(menu::MinorKeys1)) runFirstChecked(theory::MinorRestoreOrder());
  if (Checked(menu::ChromaticScale)) model_.ClickFromCode(menu::ChromaticScale);
}

}  // namespace lintra::app

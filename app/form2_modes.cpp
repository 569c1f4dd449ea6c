// The two exercises: note reading and the reverse exercise.
#include "app/form2.h"
#include "theory/keys.h"

namespace lintra::app {

void TForm2::PlayKeyboardClick() {
  // The submenu opens again whenever the pointer rests on its item: by then
  // the chromatic scale is checked, and remembering it would lose the key
  // the student came from.
  const bool alreadyOn = Checked("PlayKeyboard");
  Check("PlayKeyboard");
  if (!alreadyOn) {
    if (Checked("MajorKeys1")) RememberMajor = true;
    if (Checked("MinorKeys1")) RememberMinor = true;
    if (Checked("ChromaticScale")) RememberChromatic = true;
  }
  Check("ChromaticScale");
  model_.SetEnabled(model_.M("Keys"), false);
  model_.SetEnabled(model_.M("Claves1"), false);
  SetText("QuestShw", "Click keyboard to see notation.");
  SetText("Items", " ");
  SetText("AnsShow", " ");
  SetText("Score", "");
  KeySignatureKind.clear();
  KeySignatureCount = 0;
  DrawStaff();
  model_.SetEnabled(model_.C("StartButton"), false);
  model_.SetEnabled(model_.C("AnsDisplay"), false);
  model_.SetEnabled(model_.M("MajorKeys1"), false);
  model_.SetEnabled(model_.M("MinorKeys1"), false);
}

void TForm2::Flats1Click() {
  Check("Flats1");
  model_.SetEnabled(model_.M("Advance1"), false);
}

void TForm2::Sharps1Click() {
  Check("Sharps1");
  model_.SetEnabled(model_.M("Advance1"), false);
}

void TForm2::NotationQuestionsClick() {
  // Already reading notes: there is nothing to return from, and restoring
  // from empty flags would clear the staff and switch to the minor keys.
  if (Checked("NotationQuestions")) return;
  DrawStaff();
  NoteX = 0;
  model_.SetEnabled(model_.M("MajorKeys1"), true);
  model_.SetEnabled(model_.M("MinorKeys1"), true);
  Check("NotationQuestions");
  model_.SetEnabled(model_.C("StartButton"), true);
  model_.SetEnabled(model_.C("AnsDisplay"), true);
  Check("ChromaticScale", false);
  model_.SetEnabled(model_.M("Advance1"), true);
  model_.SetEnabled(model_.M("Keys"), true);
  model_.SetEnabled(model_.M("Claves1"), true);

  if (RememberChromatic) {
    Check("ChromaticScale");
    RememberChromatic = false;
  } else if (RememberMajor) {
    Check("MajorKeys1");
    RememberMajor = false;
  } else {
    Check("MinorKeys1");
    RememberMinor = false;
  }

  auto runFirstChecked = [this](auto order) {
    for (const auto item : order) {
      if (Checked(item)) {
        model_.ClickFromCode(item);
        return;
      }
    }
  };
  if (Checked("MajorKeys1")) runFirstChecked(theory::MajorRestoreOrder());
  if (Checked("MinorKeys1")) runFirstChecked(theory::MinorRestoreOrder());
  if (Checked("ChromaticScale")) model_.ClickFromCode("ChromaticScale");
}

}  // namespace lintra::app

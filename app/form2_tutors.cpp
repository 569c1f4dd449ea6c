// The two tutors: automatic advance through the clefs and automatic modulation.
#include "app/form2.h"
#include "app/random.h"
#include "app/text_numbers.h"
#include "theory/keys.h"
#include "ui/key_menus.h"
#include "ui/layout_texts.h"
#include "ui/translate.h"

namespace lintra::app {
namespace {

constexpr std::int32_t kDefaultCount = 40;
constexpr std::int32_t kDefaultScore = 90;

std::int32_t ThresholdValue(const std::string& text, std::int32_t defaultValue) {
  std::int32_t value = 0;
  return TryStrToInt(text, value) ? value : defaultValue;
}

}  // namespace

bool TForm2::ThresholdPassed() {
  return ThresholdTest(AnswerCount, WrongCount, ThresholdValue(CorrectThreshold, kDefaultCount),
                       ThresholdValue(ScoreThreshold, kDefaultScore));
}

// Both prompts are always shown, the second even when the first was cancelled.
std::pair<bool, bool> TForm2::AskThresholds(const std::string& tutor) {
  auto& dialogs = boxes_;
  const std::string name = ui::TrMarked(ui::kMenuContext, tutor);
  const bool countOk = dialogs.InputQuery(ui::Args(ui::Tr("Messages", "%1 : Correct answers?"), {name}),
                                          ui::Tr("Messages", "How many correct answers?"), CorrectThreshold);
  ReadThreshold(CorrectThreshold, kDefaultCount);
  const bool scoreOk = dialogs.InputQuery(ui::Args(ui::Tr("Messages", "%1 : Score?"), {name}),
                                          ui::Tr("Messages", "What percent correct answers?"), ScoreThreshold);
  ReadThreshold(ScoreThreshold, kDefaultScore);
  return {countOk, scoreOk};
}

void TForm2::On1Click() {
  auto& dialogs = boxes_;
  if (Checked(menu::ChromaticScale)) {
    if (Checked(menu::NotationQuestions)) {
      dialogs.Message(ui::Tr("Messages",
                             "Chromatic scale notes on the Grand Staff is the higest level. Select a Major or minor "
                             "key, a clef or Grand Staff, then set AutoAdvance On."));
    } else {
      dialogs.Message(
          ui::Tr("Messages", "Under Mode Menu, Click \"See Notes/Play Keyboard\" to use the AutoAdvance Feature."));
      Check(menu::AutoAdvance2, false);
      Check(menu::Off1);
    }
  } else {
    const auto [countOk, scoreOk] = AskThresholds("AutoAdvance");
    if (countOk) {
      if (scoreOk) {
        AnswerCount = 0;
        WrongCount = 0;
        Check(menu::On1);
        Check(menu::AutoModOff);
        Check(menu::AutoAdvance2);
        if (Text(control::Score) == ui::Tr("MainWindow", "Start")) DrawStaff();
      } else {
        Check(menu::AutoAdvance2, false);
        Check(menu::Off1);
      }
    }
  }
  Timer3().SetEnabled(true);
  Send(midi::NoteOn{QuestionNote});
}

void TForm2::Off1Click() {
  Check(menu::AutoAdvance2, false);
  Check(menu::Off1);
}

void TForm2::AutoModOnClick() {
  auto& dialogs = boxes_;
  if (!Checked(menu::NotationQuestions)) {
    dialogs.Message(
        ui::Tr("Messages", "Under Mode Menu, Click \"See Notes/Play Keyboard\" to use the AutoModulate Feature."));
    Timer3().SetEnabled(true);
    Send(midi::NoteOn{QuestionNote});
    return;
  }
  if (Checked(menu::ChromaticScale)) {
    dialogs.Message(ui::Tr("Messages",
                           "There are no Key centers in the chromatic scale. Select a Major or minor key, select a "
                           "clef, then set AutoModulate On"));
    return;
  }
  Check(menu::Off1);
  Check(menu::AutoModulate2);
  const auto [countOk, scoreOk] = AskThresholds("AutoModulate");
  if (!countOk) return;
  if (scoreOk) {
    Check(menu::Off1);
    Check(menu::AutoModOn);
    Check(menu::AutoModulate2);
    AnswerCount = 0;
    WrongCount = 0;
    SetText(control::Items, "0");
  } else {
    AutoModOffClick();
  }
}

void TForm2::AutoModOffClick() {
  Check(menu::AutoModOff);
  Check(menu::AutoModulate2, false);
}

void TForm2::CheckAutoAdvance() {
  if (Checked(menu::ChromaticScale)) {
    Check(menu::Off1);
    Check(menu::AutoAdvance2, false);
  }
  if (!ThresholdPassed()) return;
  const std::string text = ui::Args(ui::Tr("Messages",
                                           "Congratulations! You have %1 or more correct answers with a "
                                           "score of more than %2%. Advance to next level?"),
                                    {CorrectThreshold, ScoreThreshold});
  auto* level = model_.FirstChecked({menu::ClavedoSol1, menu::ClavedoF1, menu::Ambos1});
  if (level == nullptr) return;
  SkipNoteDraw = true;
  if (boxes_.Confirm(text)) {
    ClickControl(model_.C(control::StartButton));
    SetText(control::Score, ui::Tr("MainWindow", "Advance"));
    if (level->Name() == menu::ClavedoSol1.text) {
      ClavedoF1Click();
    } else if (level->Name() == menu::ClavedoF1.text) {
      Ambos1Click();
    } else {
      Check(menu::AutoAdvance2, false);
      Check(menu::Off1);
      ChromaticScaleClick();
    }
  } else {
    Check(menu::AutoAdvance2, false);
    Check(menu::Off1);
    PresentNote();
  }
}

void TForm2::CheckAutoModulate() {
  if (!ThresholdPassed()) return;
  SkipNoteDraw = true;
  const std::string text = ui::Args(ui::Tr("Messages",
                                           "Congratulations! You have %1 or more correct answers with a "
                                           "score more than %2%. Change scale and key?"),
                                    {CorrectThreshold, ScoreThreshold});
  if (boxes_.Confirm(text)) {
    AnswerCount = 0;
    WrongCount = 0;
    SetText(control::Score, ui::Tr("MainWindow", "New Scale"));
    SetText(control::Items, "0");
    Random random;
    random.Seed(services_.clock.TimeOfDayMs());
    std::int8_t index = 0;
    do {
      index = static_cast<std::int8_t>(random.Below(24));
    } while (index == LastModulationKey);
    LastModulationKey = index;
    model_.ClickFromCode(ui::KeyMenu(theory::Keys()[static_cast<std::size_t>(index)].id));
  } else {
    Check(menu::AutoModOff);
    Check(menu::AutoModulate2, false);
    Send(midi::NoteOn{SoundingNote});
    Timer1().SetEnabled(true);
  }
}

}  // namespace lintra::app

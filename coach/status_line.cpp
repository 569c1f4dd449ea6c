#include "coach/status_line.h"

#include "practice/diagnosis.h"
#include "ui/translate.h"

namespace lintra::coach {
namespace {

namespace control = ui::control;
namespace menu = ui::menu;

// Tenths of a second, rounded: "1.4 s" ("1,4 s" where the decimal sign is a comma).
std::string Seconds(std::int64_t ms) {
  const std::int64_t tenths = (ms + 50) / 100;
  return ui::Args(ui::Tr("Status", "%1.%2 s", "seconds, with one decimal"),
                  {std::to_string(tenths / 10), std::to_string(tenths % 10)});
}

}  // namespace

bool StatusLine::Shown() { return window_.Model().M(menu::ShowTimeAndMistake).checked; }

void StatusLine::OptionsLoaded() {
  if (Shown()) window_.Model().SetVisible(window_.Model().C(control::StatusLine), true);
}

void StatusLine::OptionToggled(Option option) {
  if (option != Option::ShowTimeAndMistake) return;
  auto& model = window_.Model();
  if (!Shown()) model.SetText(model.C(control::StatusLine), "");
  model.SetVisible(model.C(control::StatusLine), Shown());
}

void StatusLine::Answered(const practice::JudgedAnswer& answer) {
  if (!Shown()) return;
  auto& model = window_.Model();
  std::string text = Seconds(answer.responseMs);
  if (!answer.correct) {
    const auto diagnosis = practice::Diagnose(answer.key, answer.questionSlot, answer.answerMidi, answer.clefRange);
    const practice::NoteNaming naming{.syllables = model.M(menu::Syllables).checked,
                                      .middleCIsC4 = model.M(menu::MiddleCIsC4).checked};
    text +=
        ". " +
        practice::DescribeMistake(answer.key, answer.questionSlot, diagnosis, naming, answer.clefRange, &ui::TrMarked) +
        ".";
  }
  model.SetText(model.C(control::StatusLine), std::move(text));
}

}  // namespace lintra::coach

#include "app/trainer.h"

#include "app/language_menu.h"

namespace lintra::app {

// The window's logic as the practice features see it.
class Trainer::FormWindow final : public coach::Window {
 public:
  explicit FormWindow(TForm2& form) : form_(form) {}
  ui::WindowModel& Model() override { return form_.Model(); }
  theory::KeyId KeyInForce() override { return form_.KeyInForce(); }
  practice::ClefRange ClefRangeInForce() override { return form_.ClefRangeInForce(); }
  std::vector<theory::NoteSlot> PoolInRange() override { return form_.PoolInRange(); }
  std::vector<theory::NoteSlot> PickCandidates() override { return form_.PickCandidates(); }
  theory::KeyId KeyToReturnTo() override { return form_.KeyToReturnTo(); }
  int Instrument() override { return form_.Instrument; }
  void UseInstrument(int program) override { form_.UseInstrument(program); }
  void Guard(const std::function<void()>& command) override { form_.Guard(command); }
  void AskAnew() override { form_.Reading().AskAnew(); }

 private:
  TForm2& form_;
};

Trainer::Trainer(ui::WindowModel& model, FormServices form, PracticeServices practice, ListeningServices listening)
    : form_(model, form), window_(std::make_unique<FormWindow>(form_)) {
  coach::Services services{form.clock, form_.Boxes(), OptionsFile(form.settingsFile), std::move(practice.journalPath),
                           practice.progressView};
  coach_ = std::make_unique<coach::Coach>(*window_, std::move(services), OptionsFormat());
  auto& coach = *coach_;
  coach.Join(std::make_unique<LanguageMenu>(form_.Boxes(), coach.Settings(), [&coach] { return coach.SaveOptions(); }));
  auto microphone = std::make_unique<app::Microphone>(
      form_, form.clock, form_.Boxes(), coach.Settings(), [&coach] { return coach.SaveOptions(); },
      std::move(listening));
  microphone_ = microphone.get();
  coach.Join(std::move(microphone));
  ui::Handlers handlers;
  form_.AddHandlers(handlers);
  coach_->AddHandlers(handlers);
  unbound_ = handlers.BindTo(model);

  auto& heard = *microphone_;
  form_.Listen({
      .creating = [&coach] { coach.Creating(); },
      .startValuesSet = [&coach] { coach.StartValuesSet(); },
      .created = [&coach] { coach.Started(); },
      .closing = [&coach] { coach.Closing(); },
      .answered = [&coach](const practice::JudgedAnswer& answer) { coach.Answered(answer); },
      .pickQuestion = [&coach](theory::Random& random) { return coach.PickQuestion(random); },
      .sending = [&heard](const midi::ShortMessage& message) { heard.Sending(message); },
      .pickLine = [&coach](theory::Random& random) { return coach.PickLine(random); },
  });
}

Trainer::~Trainer() = default;

}  // namespace lintra::app

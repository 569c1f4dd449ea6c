// "Microphone": answers from any instrument. While "Answer by Microphone" is on, the chosen sound
// input is listened to and each note heard is pressed as the key it stands for, the way a MIDI
// keyboard's note-on is; the journal keeps it as answered by microphone, its response time
// measured to the note's onset. The trainer's own notes are not taken for answers unless the
// student listens through headphones and says so. Nothing is captured, and the capture module is
// not even loaded, until the student switches listening on or chooses a sound input; nothing heard
// is kept.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/sound_input_chooser.h"
#include "app/trainer_sound.h"
#include "coach/feature.h"
#include "listen/listener.h"
#include "ui/clock.h"
#include "ui/dialogs.h"

namespace lintra::app {

class TForm2;

struct ListeningServices {
  // The sound input, made on its first use: the program loads its capture module then. Empty: a
  // trainer without sound input.
  std::function<listen::CaptureService&()> capture = {};
  // Shows "Sound Input..."; null where no dialog can be shown.
  SoundInputChooser* chooser = nullptr;
};

class Microphone final : public coach::Feature {
 public:
  // How often what was heard is looked at.
  static constexpr int kPollMs = 15;

  Microphone(TForm2& form, ui::Clock& clock, ui::Dialogs& dialogs, const coach::Options& options,
             std::function<std::optional<std::string>()> saveOptions, ListeningServices services);
  ~Microphone() override;

  void AddHandlers(ui::Handlers& handlers) override;
  void OptionsLoaded() override;
  void Started() override;
  void Closing() override;
  void SavingOptions(coach::Options& options) override;
  void OptionToggled(coach::Option option) override;

  // A message the window sends: a note of its own starts or ends.
  void Sending(const midi::ShortMessage& message);

  bool Listening() const { return listener_ && listener_->Listening(); }
  // The sound input chosen; empty for the system's default input.
  const std::string& SoundInput() const { return device_; }

 private:
  bool On() const;
  listen::Listener& TheListener();
  void Listen();
  void StopListening();
  void Poll();
  void Expect();
  void ChooseSoundInput();
  std::string DeviceName() const;

  TForm2& form_;
  ui::Clock& clock_;
  ui::Dialogs& dialogs_;
  const coach::Options& options_;
  std::function<std::optional<std::string>()> saveOptions_;
  ListeningServices services_;
  std::unique_ptr<listen::CaptureService> noCapture_;  // stands in where the trainer has no sound input
  std::unique_ptr<listen::Listener> listener_;
  std::unique_ptr<ui::Timer> poll_;
  TrainerSound sound_;
  std::string device_;
};

}  // namespace lintra::app

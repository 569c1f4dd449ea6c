#include "app/microphone.h"

#include <cmath>

#include "app/form2.h"
#include "listen/no_capture_service.h"
#include "ui/translate.h"

namespace lintra::app {
namespace {

namespace menu = ui::menu;

// A name with a line break would break the options file's lines.
bool Rememberable(const std::string& name) { return name.find_first_of("\r\n") == std::string::npos; }

// Why a sound input could not be started, in the student's language.
std::string ProblemInWords(const listen::CaptureStart& started) {
  return ui::Args(ui::TrMarked("Messages", started.problem), {started.detail});
}

}  // namespace

Microphone::Microphone(TForm2& form, ui::Clock& clock, ui::Dialogs& dialogs, const coach::Options& options,
                       std::function<std::optional<std::string>()> saveOptions, ListeningServices services)
    : form_(form),
      clock_(clock),
      dialogs_(dialogs),
      options_(options),
      saveOptions_(std::move(saveOptions)),
      services_(std::move(services)),
      sound_([this](bool sounding) {
        if (!Listening()) return;
        if (sounding) {
          listener_->TrainerSounding();
        } else {
          listener_->TrainerSilent();
        }
      }) {}

Microphone::~Microphone() { StopListening(); }

bool Microphone::On() const { return form_.Model().M(menu::AnswerByMicrophone).checked; }

void Microphone::AddHandlers(ui::Handlers& handlers) {
  handlers.Add("SoundInputClick", [this] { ChooseSoundInput(); });
}

void Microphone::OptionsLoaded() { device_ = options_.Value(coach::Option::SoundInput); }

// Listening starts with the window's first question, not before the window is there.
void Microphone::Started() {
  if (On()) Listen();
}

void Microphone::Closing() { StopListening(); }

void Microphone::SavingOptions(coach::Options& options) {
  if (Rememberable(device_)) options.Set(coach::Option::SoundInput, device_);
}

void Microphone::OptionToggled(coach::Option option) {
  if (option == coach::Option::ListenWhileNotesSound && listener_) {
    listener_->AllowEcho(form_.Model().M(menu::ListenWhileNotesSound).checked);
  }
  if (option != coach::Option::AnswerByMicrophone) return;
  if (On()) {
    Listen();
  } else {
    StopListening();
  }
}

void Microphone::Sending(const midi::ShortMessage& message) { sound_.Sent(message, clock_.TimeOfDayMs()); }

listen::Listener& Microphone::TheListener() {
  if (listener_) return *listener_;
  listen::CaptureService* capture = nullptr;
  if (services_.capture) {
    capture = &services_.capture();
  } else {
    noCapture_ = std::make_unique<listen::NoCaptureService>(
        LINTRA_TRANSLATE_NOOP("Messages", "this trainer has no sound input"));
    capture = noCapture_.get();
  }
  listen::ListenerSettings settings;
  // The window's clock, so that a device that stops delivering is noticed on the trainer's time.
  settings.clock = [this] { return static_cast<double>(clock_.TimeOfDayMs()) / 1000.0; };
  listener_ = std::make_unique<listen::Listener>(*capture, std::move(settings));
  listener_->AllowEcho(form_.Model().M(menu::ListenWhileNotesSound).checked);
  return *listener_;
}

std::string Microphone::DeviceName() const {
  return device_.empty() ? ui::Tr("Messages", "the default sound input") : "\"" + device_ + "\"";
}

void Microphone::Listen() {
  const listen::CaptureStart started = TheListener().Start(device_);
  if (!started.ok) {
    if (poll_) poll_->SetEnabled(false);
    dialogs_.Message(ui::Args(ui::Tr("Messages",
                                     "Lintra cannot listen to %1: %2. Answer on the keyboard, or choose "
                                     "another sound input with \"Sound Input...\" in the \"Microphone\" "
                                     "menu."),
                              {DeviceName(), ProblemInWords(started)}));
    return;
  }
  if (!poll_) {
    poll_ = clock_.CreateTimer("MicrophoneTimer", kPollMs);
    poll_->OnTimer = [this] { form_.Guard([this] { Poll(); }); };
  }
  poll_->SetEnabled(true);
  Expect();
  if (sound_.Sounding()) listener_->TrainerSounding();
}

void Microphone::StopListening() {
  if (poll_) poll_->SetEnabled(false);
  if (listener_) listener_->Stop();
}

// The note a question asks, or none in the reverse exercise, where every note heard is shown.
void Microphone::Expect() {
  if (form_.Model().M(menu::PlayKeyboard).checked) {
    listener_->ExpectNothing();
  } else {
    listener_->Expect(form_.QuestionNote);
  }
}

void Microphone::Poll() {
  if (!Listening()) return;
  sound_.Tick(clock_.TimeOfDayMs());
  Expect();
  const listen::Heard heard = listener_->Poll();
  for (const listen::NoteAnswer& answer : heard.answers) {
    // From the note's onset, the device's latency included: the detection's time is not the student's.
    const auto beganMsAgo = std::llround(listener_->SecondsSinceOnset(answer) * 1000.0);
    form_.AnswerHeard(answer.note, practice::AnswerSource::Microphone, beganMsAgo);
    if (!Listening()) break;  // the answer's handling switched listening off
  }
  if (!heard.problem.empty()) {
    poll_->SetEnabled(false);
    dialogs_.Message(ui::Args(ui::Tr("Messages",
                                     "Lintra no longer hears %1, so answers by microphone have stopped. "
                                     "Answer on the keyboard, or choose a sound input with \"Sound "
                                     "Input...\" in the \"Microphone\" menu."),
                              {DeviceName()}));
  }
}

void Microphone::ChooseSoundInput() {
  if (services_.chooser == nullptr) return;
  listen::Listener& listener = TheListener();
  SoundInputChoice choice;
  choice.devices = listener.Devices();
  choice.current = device_;
  choice.listening = On();
  choice.tryDevice = [this](const std::string& device) -> std::string {
    if (!On()) return {};
    const listen::CaptureStart started = listener_->Start(device);
    return started.ok ? std::string() : ProblemInWords(started);
  };
  choice.level = [this] { return listener_->Level(); };
  // Notes played to try the input answer nothing.
  const bool wasListening = Listening();
  if (poll_) poll_->SetEnabled(false);
  const std::optional<std::string> chosen = services_.chooser->ChooseSoundInput(choice);
  if (chosen && *chosen != device_) {
    device_ = *chosen;
    if (const auto error = saveOptions_()) {
      dialogs_.Message(*error + " " + ui::Tr("Messages", "The choice applies until the program ends."));
    }
  }
  // The input kept: the one chosen, or the one before a cancel (unless it had gone already).
  if (On() && (chosen || wasListening)) {
    Listen();
  } else {
    listener.Stop();
  }
}

}  // namespace lintra::app

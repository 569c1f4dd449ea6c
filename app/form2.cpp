// Construction, the event-loop guard, start-up and quitting.
#include "app/form2.h"

#include <exception>

#include "ui/translate.h"

namespace lintra::app {
namespace {

std::string Farewell() {
  return ui::Tr("Messages",
                "Thank you for practising with Lintra. The maker's web site offers more training programs for "
                "musicians.");
}

std::string About() {
  return ui::Tr("Messages",
                "Lintra Trainer, version 3.1 (2026).\n"
                "A trainer for reading music notation.\n\n"
                "This software is provided as is, without warranties of any kind. The seller's liability is limited "
                "to the replacement of the software or the refund of its price.\n\n"
                "Music symbols from the Lintra Music font, made from the Emmentaler font of the LilyPond project "
                "(SIL Open Font License 1.1).");
}

}  // namespace

TForm2::TForm2(ui::WindowModel& model, FormServices services)
    : MidiOutput1(services.midi, services.loop),
      MidiInput1(services.midi, services.loop),
      model_(model),
      services_(std::move(services)),
      boxes_(services_.dialogs, services_.clock),
      painter_(services_.canvas),
      staffReader_(model) {
  // The window's resource names the mapper; loading ignores the name and the
  // device number decides.
  MidiOutput1.SetLoading(true);
  MidiOutput1.SetProductName("Microsoft MIDI Mapper");
  MidiOutput1.SetLoading(false);
  MidiOutput1.SetDeviceID(midi::kMidiMapper);
  MidiInput1.SetSysexBufferSize(4096);
  MidiInput1.NoteHook = [this](std::uint8_t note) {
    Guard([&] {
      MidiInNote = note;
      HandleMidiNote();
    });
  };
  MidiInput1.ShowMessage = [this](const std::string& text) { boxes_.Message(text); };

  for (const auto& layout : ui::Timers()) {
    auto timer = services_.clock.CreateTimer(std::string(layout.name), layout.interval);
    (layout.name == "Timer1" ? timer1_ : timer3_) = std::move(timer);
  }
  timer1_->OnTimer = [this] { Guard([this] { ResponseClick(); }); };
  timer3_->OnTimer = [this] { Guard([this] { StimNoteOff(); }); };
  StartDeviceWatch();
}

TForm2::~TForm2() = default;

void TForm2::Guard(const std::function<void()>& handler) {
  ++guardDepth_;
  try {
    handler();
  } catch (const ui::DialogNotAnswered&) {
    --guardDepth_;
    throw;
  } catch (const std::exception& error) {
    boxes_.Error(ui::DisplayedErrorText(error.what()));
  } catch (...) {
    boxes_.Error(ui::Tr("Messages", "An unexpected error occurred."));
  }
  if (--guardDepth_ == 0 && OnHandled) OnHandled();
}

void TForm2::ClickControl(ui::Control& control) {
  // A click on a drop-down list only opens it; a device is chosen by picking
  // an item or confirming typed text.
  if (control.Kind() == ui::ControlKind::ComboEdit || control.Kind() == ui::ControlKind::ComboPick) return;
  Guard([&] { PumpThenRun(control.handler); });
}

void TForm2::PumpThenRun(const std::function<void()>& handler) {
  services_.pump.ProcessPendingEvents();
  if (handler) handler();
}

void TForm2::SelectItem(ui::Control& combo, int index) {
  Guard([&] {
    model_.ComboSetIndex(combo, index);
    if (combo.handler) combo.handler();
  });
}

void TForm2::TypeText(ui::Control& combo, const std::string& text) {
  Guard([&] {
    combo.itemIndex = -1;
    for (std::size_t i = 0; i < combo.items.size(); ++i) {
      if (combo.items[i] == text) combo.itemIndex = static_cast<int>(i);
    }
    model_.SetText(combo, text);
    if (combo.handler) combo.handler();
  });
}

// --- Helpers over the model.

bool TForm2::Checked(ui::MenuName menu) { return model_.M(menu).checked; }
void TForm2::Check(ui::MenuName menu, bool checked) { model_.SetChecked(model_.M(menu), checked); }
void TForm2::SetText(ui::ControlName control, std::string text) { model_.SetText(model_.C(control), std::move(text)); }
const std::string& TForm2::Text(ui::ControlName control) { return model_.C(control).text; }

// --- Start and end.

void TForm2::FormCreate() {
  // A MIDI set-up error is shown, but the trainer still starts: the starting
  // values and the first question do not depend on the devices.
  if (events_.creating) events_.creating();
  services_.shell.SetBusyCursor(true);
  Guard([this] {
    // The window may have been built before the MIDI ports were reached: they are counted now.
    MidiInput1.RefreshDeviceCount();
    MidiOutput1.RefreshDeviceCount();
    ListDevices();
    OpenMidiDevices();
  });
  services_.shell.SetBusyCursor(false);
  Guard([this] {
    PickRange = 70;
    ScoreThreshold = "90";
    CorrectThreshold = "40";
    SetText(control::Items, "0");
    WrongCount = 0;
    SetText(control::Score, ui::Tr("MainWindow", "Start"));
    SkipNoteDraw = false;
    ClavedoSol1Click();
    KeyCommand(theory::KeyId::CMajor);
    if (events_.startValuesSet) events_.startValuesSet();
  });
  Guard([this] {
    if (events_.created) events_.created();
  });
}

void TForm2::Initial() { services_.shell.Maximize(); }

// The toolkit closes the window when the application ends, so after "Exit" the close handler runs
// too: the farewell is said, and the practice features told, once.
void TForm2::FormClose() {
  if (!farewellSaid_) SayFarewell();
  Guard([this] { CloseMidiDevices(); });
  services_.shell.Terminate();
}

void TForm2::Exit1Click() {
  SayFarewell();
  services_.shell.Terminate();
}

void TForm2::SayFarewell() {
  farewellSaid_ = true;
  if (events_.closing) events_.closing();
  boxes_.Message(Farewell());
}

void TForm2::ProgramHelpClick() {
  if (!services_.shell.OpenDocument(services_.helpDocument)) {
    boxes_.Message(ui::Args(
        ui::Tr("Messages",
               "The help page could not be opened. It is the file \"%1\"; open it in a web browser to read it."),
        {services_.helpDocument}));
  }
}

void TForm2::About1Click() { boxes_.Message(About()); }

// --- Drawing.

void TForm2::DrawStaff() {
  line_.Drop();
  const notation::StaffLayout layout = line_.Layout();
  painter_.DrawStaff(layout, KeySignatureKind, KeySignatureCount);
  staffReader_.StaffDrawn(layout.SingleClef(), KeySignatureKind, KeySignatureCount);
}

void TForm2::DrawNote() {
  if (line_.Draw()) return;  // it tells the staff reader itself
  painter_.DrawNote(NoteAccidental, NoteY, NoteX);
  staffReader_.NoteDrawn(theory::LetterStep(static_cast<theory::NoteSlot>(CurrentSlot)), NoteAccidental);
}

void TForm2::FormPaint() {
  Guard([this] {
    if (Checked(menu::PlayKeyboard)) {
      NoteX = 0;
    } else if (line_.Shown()) {
      NoteX = 0;
      line_.Draw();
    } else if (Text(control::Items) == "0") {
      DrawStaff();
      NoteX = 0;
    } else {
      NoteX = 0;
      DrawStaff();
      DrawNote();
    }
  });
}

}  // namespace lintra::app

// The window's MIDI side: device lists, the device settings file, opening and
// closing, MIDI-keyboard answers and the "Midi" menu.
//
// Setting the devices up never gives up half-way: every step that can be
// done is done, a device that cannot be used is replaced (the input by
// device 0, the output by the built-in synthesizer), and whatever went wrong
// is reported once, in one box, at the end.
#include <exception>
#include <stdexcept>

#include "app/device_selection.h"
#include "app/device_settings.h"
#include "app/form2.h"
#include "app/text_numbers.h"
#include "midi/synth_device_name.h"
#include "ui/translate.h"

namespace lintra::app {
namespace {

std::string LineOrEmpty(const std::vector<std::string>& lines, std::size_t index) {
  return index < lines.size() ? lines[index] : std::string();
}

template <typename Step>
void Collect(std::vector<std::string>& problems, Step step) {
  try {
    step();
  } catch (const std::exception& error) {
    problems.push_back(ui::DisplayedErrorText(error.what()));
  }
}

// Raises the problems of one set-up as one error, so the user sees one box.
void Report(const std::vector<std::string>& problems) {
  if (problems.empty()) return;
  std::string text;
  for (const auto& problem : problems) text += (text.empty() ? "" : "\n") + problem;
  throw std::runtime_error(text);
}

std::string FallbackNotice(const std::string& device, const std::string& reason) {
  if (device.empty()) {
    return ui::Tr("Messages",
                  "The chosen MIDI output is not in the list of devices. Lintra plays through the built-in "
                  "synthesizer instead.");
  }
  return ui::Args(ui::Tr("Messages",
                         "The MIDI output \"%1\" cannot be used (%2). Lintra plays through the built-in synthesizer "
                         "instead."),
                  {device, ui::DisplayedErrorText(reason)});
}

}  // namespace

void TForm2::Send(const midi::ShortMessage& message) {
  if (OnShortSent) OnShortSent(message);
  if (events_.sending) events_.sending(message);
  try {
    MidiOutput1.SendShort(message.status, message.data1, message.data2);
  } catch (const midi::EmidioutputError& error) {
    UseBuiltInSynthesizer(error.what());
    try {
      MidiOutput1.SendShort(message.status, message.data1, message.data2);
    } catch (const midi::EmidioutputError&) {
    }
  }
}

void TForm2::UseBuiltInSynthesizer(const std::string& reason) {
  // A device that stopped working is reported once; the trainer then sounds
  // through the built-in synthesizer instead of failing on every note.
  const bool alreadySynth = MidiOutput1.DeviceID() == midi::kMidiMapper && MidiOutput1.IsOpen();
  const std::string device =
      MidiOutput1.ProductName().empty() ? ui::Tr("Messages", "the chosen device") : MidiOutput1.ProductName();
  if (!alreadySynth) OpenBuiltInSynthesizer(MidiOutput1);
  const std::string silence = SilenceNotice();
  if (sendFailureShown_) {
    if (!silence.empty()) boxes_.Message(silence);
    return;
  }
  sendFailureShown_ = true;
  boxes_.Message((alreadySynth ? ui::Args(ui::Tr("Messages", "MIDI output fails (%1). Notes may not sound."),
                                          {ui::DisplayedErrorText(reason)})
                               : FallbackNotice(device, reason)) +
                 (silence.empty() ? "" : "\n" + silence));
}

std::string TForm2::SilenceNotice() {
  // Only while the synthesizer is in use: on another output nothing is missed.
  if (synthSilence_.empty() || synthSilenceTold_ || !MidiOutput1.IsOpen() ||
      MidiOutput1.ProductName() != midi::kSynthDeviceName) {
    return {};
  }
  synthSilenceTold_ = true;
  return ui::Args(ui::Tr("Messages",
                         "The built-in synthesizer is silent: %1. To hear the notes, choose another MIDI "
                         "output with \"Inputs/Outputs\" in the \"Midi\" menu."),
                  {synthSilence_});
}

// `reason` is marked for translation, "%1" in it standing for `detail`.
void TForm2::SynthesizerSilent(const std::string& reason, const std::string& detail) {
  synthSilence_ = ui::Args(ui::TrMarked("Messages", reason), {detail});
  if (const auto notice = SilenceNotice(); !notice.empty()) boxes_.Message(notice);
}

// The problems of a set-up and the synthesizer's silence reach the user in one box.
void TForm2::ReportSetUp(std::vector<std::string>& problems) {
  if (const auto notice = SilenceNotice(); !notice.empty()) {
    if (problems.empty()) {
      boxes_.Message(notice);
      return;
    }
    problems.push_back(notice);
  }
  Report(problems);
}

void TForm2::ListDevices() {
  // Devices whose records cannot be read are left out; the others are listed
  // whatever their numbers.
  auto& model = model_;
  if (MidiInput1.DeviceCount() > 0) {
    auto& combo = model.C(control::cmbInput);
    model.ComboClear(combo);
    for (unsigned id = 0; id < MidiInput1.DeviceCount(); ++id) {
      try {
        MidiInput1.SetDeviceID(static_cast<std::uint16_t>(id));
      } catch (const midi::EMidiInputError&) {
        continue;
      }
      model.ComboAdd(combo, MidiInput1.ProductName());
    }
    model.ComboSetIndex(combo, 0);
  }
  auto& combo = model.C(control::cmbOutput);
  model.ComboClear(combo);
  for (int id = 0; id < static_cast<int>(MidiOutput1.DeviceCount()); ++id) {
    try {
      MidiOutput1.SetDeviceID(id);
    } catch (const midi::EmidioutputError&) {
      break;  // fewer devices than counted at start: a port has gone
    }
    if (MidiOutput1.LastError() == midi::kOk) model.ComboAdd(combo, MidiOutput1.ProductName());
  }
  model.ComboSetIndex(combo, 0);
}

void TForm2::RestoreDeviceChoice() {
  // The positions decide the devices (through the lists' texts); the names
  // only have to be installed.  No file, a damaged one, a position that is
  // no number or a device no longer installed keeps the lists as they are
  // from the first failing step on.  The file itself is only read.
  auto& model = model_;
  const bool inputs = MidiInput1.DeviceCount() > 0;
  try {
    model.SetLines(model.C(control::Memo1), LoadDeviceSettings(services_.settingsFile));
    const auto lines = model.C(control::Memo1).lines;
    if (inputs) {
      SelectInputByName(MidiInput1, LineOrEmpty(lines, 0));
      model.ComboSetIndex(model.C(control::cmbInput), StrToInt(LineOrEmpty(lines, 1)));
    }
    SelectOutputByName(MidiOutput1, LineOrEmpty(lines, 2));
    model.ComboSetIndex(model.C(control::cmbOutput), StrToInt(LineOrEmpty(lines, 3)));
  } catch (const std::exception&) {
  }
}

void TForm2::OpenChosenDevices(std::vector<std::string>& problems) {
  auto& model = model_;
  const std::string inputName = model.C(control::cmbInput).text;
  const std::string outputName = model.C(control::cmbOutput).text;
  sendFailureShown_ = false;

  if (MidiInput1.DeviceCount() > 0) {
    bool named = false;
    if (!inputName.empty()) {
      const auto before = problems.size();
      Collect(problems, [&] { SelectInputByName(MidiInput1, inputName); });
      named = problems.size() == before;
    }
    if (!named) SelectFirstInput(MidiInput1);
  }

  // An output that would not close keeps playing; its failure is reported already.
  const bool outputHeld = MidiOutput1.IsOpen();
  std::string outputProblem;
  if (!outputHeld) {
    try {
      SelectOutputByName(MidiOutput1, outputName);
    } catch (const std::exception& error) {
      outputProblem = error.what();
    }
  }

  if (MidiInput1.OpenDevice()) Collect(problems, [this] { MidiInput1.StartInput(); });

  if (!outputProblem.empty()) {
    // The chosen output is not there (a saved position beyond the list, a
    // device that has gone): sound through the synthesizer meanwhile.
    if (OpenBuiltInSynthesizer(MidiOutput1)) {
      problems.push_back(FallbackNotice(outputName, outputProblem));
    } else {
      problems.push_back(ui::DisplayedErrorText(outputProblem));
    }
  } else if (!outputHeld && !MidiOutput1.OpenDevice()) {
    const std::string reason = MidiOutput1.ErrorText(MidiOutput1.LastError());
    const std::string device = MidiOutput1.ProductName();
    if (OpenBuiltInSynthesizer(MidiOutput1)) {
      problems.push_back(FallbackNotice(device, reason));
    } else {
      problems.push_back(
          ui::Args(ui::Tr("Messages", "The MIDI output \"%1\" cannot be opened (%2). Notes will not sound."),
                   {device, ui::DisplayedErrorText(reason)}));
    }
  }
  WatchOpenDevices();
}

void TForm2::OpenMidiDevices() {
  std::vector<std::string> problems;
  Collect(problems, [this] { CloseMidiDevices(); });
  RestoreDeviceChoice();
  OpenChosenDevices(problems);
  ReportSetUp(problems);
}

void TForm2::CloseMidiDevices() {
  // Both are closed even when the first one fails.  A device that has
  // disappeared is released by its loss: there is nothing to report.
  watchedInput_ = {};
  watchedOutput_ = {};
  std::exception_ptr failure;
  try {
    MidiInput1.CloseDevice();
  } catch (const midi::EMidiInputError&) {
    if (MidiInput1.Error() != midi::kErrDeviceGone) failure = std::current_exception();
  }
  try {
    MidiOutput1.CloseDevice();
  } catch (const midi::EmidioutputError&) {
    if (MidiOutput1.LastError() != midi::kErrDeviceGone && !failure) failure = std::current_exception();
  }
  if (failure) std::rethrow_exception(failure);
}

void TForm2::ApplyDeviceChoice() {
  auto& model = model_;
  std::vector<std::string> problems;
  Collect(problems, [this] { CloseMidiDevices(); });
  auto lines = model.C(control::Memo1).lines;
  if (lines.size() < 4) lines.resize(4);
  const auto& input = model.C(control::cmbInput);
  const auto& output = model.C(control::cmbOutput);
  lines[0] = input.text;
  lines[1] = std::to_string(input.itemIndex);
  lines[2] = output.text;
  lines[3] = std::to_string(output.itemIndex);
  model.SetLines(model.C(control::Memo1), lines);
  // Saved before the devices open, so a choice that fails to open is still
  // remembered.  The lists, not the file, then decide: a file that could not
  // be written must not bring back the old choice.
  if (const auto error = SaveDeviceSettings(services_.settingsFile, lines)) {
    problems.push_back(*error + " The device choice applies until the program ends.");
  }
  OpenChosenDevices(problems);
  // The panel closes and the question sounds again on the devices now open,
  // whatever went wrong above.
  ClosePanel();
  RepeatPending = 1;
  Timer1().SetEnabled(true);
  ReportSetUp(problems);
}

void TForm2::cmbInputChange() { ApplyDeviceChoice(); }
void TForm2::cmbOutputChange() { ApplyDeviceChoice(); }

void TForm2::Outputs1Click() {
  auto& model = model_;
  RelistDevices();
  if (Text(control::Items) == "0") SetText(control::Items, "");
  model.SetVisible(model.C(control::Label1), true);
  model.SetVisible(model.C(control::Label3), true);
  model.SetEnabled(model.C(control::cmbOutput), true);
  model.SetVisible(model.C(control::cmbOutput), true);
  model.SetEnabled(model.C(control::cmbInput), true);
  model.SetVisible(model.C(control::cmbInput), true);
}

void TForm2::MidiInOnClick() { Check(menu::MidiInOn); }
void TForm2::MidiInOffClick() { Check(menu::MidiInOff); }

void TForm2::HandleMidiNote() {
  if (!Checked(menu::MidiInOn)) return;
  KeyNote = static_cast<std::int8_t>(MidiInNote);
  if (KeyNote >= 41 && KeyNote <= 83) {
    PressKeyFrom(KeyNote, practice::AnswerSource::MidiKeyboard, 0);
  } else if (!outOfRangeShown_) {
    // The box runs an event loop of its own: further notes arriving while it
    // is open are handled inside it and must not stack boxes on top of it.
    outOfRangeShown_ = true;
    struct Reset {
      bool& flag;
      ~Reset() { flag = false; }
    } reset{outOfRangeShown_};
    boxes_.Message(ui::Tr("Messages", "Keyboard out of range."));
  }
}

void TForm2::MIDIInst1Click() {
  const std::string answer =
      boxes_.InputBox(ui::Tr("Messages", "MIDI Instrument"),
                      ui::Tr("Messages", "MIDI Instrument Number between 0 and 127?"), std::to_string(Instrument));
  const std::int32_t number = StrToInt(answer);
  // A data byte above 127 is no valid MIDI message and would garble the device's stream.
  if (number < 0 || number > 127) {
    boxes_.Message(
        ui::Args(ui::Tr("Messages", "Please enter an instrument number between 0 and 127. The instrument stays %1."),
                 {std::to_string(Instrument)}));
    return;
  }
  Instrument = static_cast<std::int8_t>(number);
  Send(midi::ProgramChange{Instrument});
  Timer3().SetEnabled(true);
  Send(midi::NoteOn{QuestionNote});
}

void TForm2::SustainOnClick() { Check(menu::SustainOn1); }

void TForm2::SustainOffClick() {
  Send(midi::NoteOff{QuestionNote});
  Check(menu::SustainOff1);
}

void TForm2::Desligados1Click() {
  for (int note = 0; note <= 109; ++note) Send(midi::NoteOff{note, /*velocity=*/0});
}

}  // namespace lintra::app

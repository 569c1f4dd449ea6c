// The window's MIDI side: device lists, the device settings file, opening and
// closing, MIDI-keyboard answers and the "Midi" menu.
#include "app/device_settings.h"
#include "app/form2.h"
#include "app/text_numbers.h"

namespace lintra::app {
namespace {

std::string LineOrEmpty(const std::vector<std::string>& lines, std::size_t index) {
  return index < lines.size() ? lines[index] : std::string();
}

}  // namespace

void TForm2::Send(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
  if (OnShortSent) OnShortSent(status, data1, data2);
  try {
    MidiOutput1.SendShort(status, data1, data2);
  } catch (const midi::EmidioutputError& error) {
    // A device that stopped working is reported once; the trainer then sounds
    // through the built-in synthesizer instead of failing on every note.
    UseBuiltInSynthesizer(error.what());
    try {
      MidiOutput1.SendShort(status, data1, data2);
    } catch (const midi::EmidioutputError&) {
    }
  }
}

void TForm2::UseBuiltInSynthesizer(const std::string& reason) {
  const bool alreadySynth = MidiOutput1.DeviceID() == midi::kMidiMapper && MidiOutput1.IsOpen();
  if (!sendFailureShown_) {
    sendFailureShown_ = true;
    const std::string device = MidiOutput1.ProductName().empty() ? "the chosen device" : MidiOutput1.ProductName();
    services_.dialogs.Message(
        alreadySynth ? "MIDI output fails (" + reason + "). Notes may not sound."
                     : "The MIDI output \"" + device + "\" cannot be used (" + reason +
                           "). Lintra plays through the built-in synthesizer instead.");
  }
  if (alreadySynth) return;
  try {
    MidiOutput1.CloseDevice();
  } catch (const std::exception&) {
  }
  try {
    MidiOutput1.SetDeviceID(midi::kMidiMapper);
    MidiOutput1.OpenDevice();
  } catch (const std::exception&) {
  }
}

void TForm2::OpenOutputOrFallBack() {
  if (MidiOutput1.OpenDevice()) {
    sendFailureShown_ = false;
    return;
  }
  std::string text;
  MidiOutput1.ErrorText(MidiOutput1.LastError()).swap(text);
  UseBuiltInSynthesizer(text);
}

void TForm2::ListDevices() {
  auto& model = model_;
  if (MidiInput1.DeviceCount() > 0) {
    int listed = 0;
    for (unsigned id = 0; id < MidiInput1.DeviceCount(); ++id) {
      MidiInput1.SetDeviceID(static_cast<std::uint16_t>(id));
      if (MidiInput1.Error() == 0) ++listed;
    }
    auto& combo = model.C("cmbInput");
    model.ComboClear(combo);
    for (int n = 0; n < listed; ++n) {
      MidiInput1.SetDeviceID(static_cast<std::uint16_t>(n));
      model.ComboAdd(combo, MidiInput1.ProductName());
    }
    model.ComboSetIndex(combo, 0);
  }
  int listed = 0;
  for (int id = 0; id < static_cast<int>(MidiOutput1.DeviceCount()); ++id) {
    MidiOutput1.SetDeviceID(id);
    if (MidiOutput1.LastError() == 0) ++listed;
  }
  auto& combo = model.C("cmbOutput");
  model.ComboClear(combo);
  for (int n = 0; n < listed; ++n) {
    MidiOutput1.SetDeviceID(n);
    model.ComboAdd(combo, MidiOutput1.ProductName());
  }
  model.ComboSetIndex(combo, 0);
}

void TForm2::OpenMidiDevices() {
  CloseMidiDevices();
  auto& model = model_;
  auto& input = model.C("cmbInput");
  auto& output = model.C("cmbOutput");
  if (MidiInput1.DeviceCount() > 0) {
    try {
      model.SetLines(model.C("Memo1"), LoadDeviceSettings(services_.settingsFile));
      const auto& lines = model.C("Memo1").lines;
      MidiInput1.SetProductName(LineOrEmpty(lines, 0));
      model.ComboSetIndex(input, StrToInt(LineOrEmpty(lines, 1)));
      MidiOutput1.SetProductName(LineOrEmpty(lines, 2));
      model.ComboSetIndex(output, StrToInt(LineOrEmpty(lines, 3)));
    } catch (const std::exception&) {
      MidiInput1.SetDeviceID(0);
    }
    if (input.text.empty()) {
      MidiInput1.SetDeviceID(0);
    } else {
      MidiInput1.SetProductName(input.text);
    }
    MidiOutput1.SetProductName(output.text);
    MidiInput1.OpenDevice();
    MidiInput1.StartInput();
  } else {
    // Without an input device the saved output choice still applies, so that
    // a chosen output is not only saved but used.
    try {
      const auto lines = LoadDeviceSettings(services_.settingsFile);
      model.SetLines(model.C("Memo1"), lines);
      MidiOutput1.SetProductName(LineOrEmpty(lines, 2));
      model.ComboSetIndex(output, StrToInt(LineOrEmpty(lines, 3)));
      MidiOutput1.SetProductName(output.text);
    } catch (const std::exception&) {
      // No saved choice: the output stays on the device the listing selected.
    }
  }
  OpenOutputOrFallBack();
}

void TForm2::CloseMidiDevices() {
  MidiInput1.CloseDevice();
  MidiOutput1.CloseDevice();
}

void TForm2::ApplyDeviceChoice() {
  auto& model = model_;
  CloseMidiDevices();
  auto lines = model.C("Memo1").lines;
  if (lines.size() < 4) lines.resize(4);
  const auto& input = model.C("cmbInput");
  const auto& output = model.C("cmbOutput");
  lines[0] = input.text;
  lines[1] = std::to_string(input.itemIndex);
  lines[2] = output.text;
  lines[3] = std::to_string(output.itemIndex);
  model.SetLines(model.C("Memo1"), lines);
  if (const auto error = SaveDeviceSettings(services_.settingsFile, lines)) {
    services_.dialogs.Message(*error + " The device choice applies until the program ends.");
  }
  try {
    OpenMidiDevices();
  } catch (...) {
    // The panel still closes and the question still sounds again (through the
    // built-in synthesizer if need be); the error itself is shown afterwards.
    if (!MidiOutput1.IsOpen()) OpenOutputOrFallBack();
    model.SetVisible(model.C("Label3"), false);
    throw;
  }
  model.SetVisible(model.C("Label3"), false);
  model.SetEnabled(model.C("cmbOutput"), false);
  model.SetVisible(model.C("cmbOutput"), false);
  model.SetVisible(model.C("Label1"), false);
  model.SetEnabled(model.C("cmbInput"), false);
  model.SetVisible(model.C("cmbInput"), false);
  RepeatPending = 1;
  Timer1().SetEnabled(true);
}

void TForm2::cmbInputChange() { ApplyDeviceChoice(); }
void TForm2::cmbOutputChange() { ApplyDeviceChoice(); }

void TForm2::Outputs1Click() {
  auto& model = model_;
  if (Text("Items") == "0") SetText("Items", "");
  model.SetVisible(model.C("Label1"), true);
  model.SetVisible(model.C("Label3"), true);
  model.SetEnabled(model.C("cmbOutput"), true);
  model.SetVisible(model.C("cmbOutput"), true);
  model.SetEnabled(model.C("cmbInput"), true);
  model.SetVisible(model.C("cmbInput"), true);
}

void TForm2::MidiInOnClick() { Check("MidiInOn"); }
void TForm2::MidiInOffClick() { Check("MidiInOff"); }

void TForm2::HandleMidiNote() {
  if (!Checked("MidiInOn")) return;
  KeyNote = static_cast<std::int8_t>(MidiInNote);
  if (KeyNote >= 41 && KeyNote <= 83) {
    auto& key = model_.Key(KeyNote - ui::kLowestKeyNote);
    services_.pump.ProcessPendingEvents();
    if (key.handler) key.handler();
  } else {
    services_.dialogs.Message("Keyboard out of range.");
  }
}

void TForm2::MIDIInst1Click() {
  const std::string answer = services_.dialogs.InputBox(
      "MIDI Instrument", "MIDI Instrument Number between 0 and 127?", std::to_string(Instrument));
  const std::int32_t number = StrToInt(answer);
  // A data byte above 127 is no valid MIDI message and would garble the device's stream.
  if (number < 0 || number > 127) {
    services_.dialogs.Message("Please enter an instrument number between 0 and 127. The instrument stays " +
                              std::to_string(Instrument) + ".");
    return;
  }
  Instrument = static_cast<std::int8_t>(number);
  Send(192, static_cast<std::uint8_t>(Instrument), 0);
  Timer3().SetEnabled(true);
  Send(144, static_cast<std::uint8_t>(QuestionNote), 127);
}

void TForm2::SustainOnClick() { Check("SustainOn1"); }

void TForm2::SustainOffClick() {
  Send(128, static_cast<std::uint8_t>(QuestionNote), 127);
  Check("SustainOff1");
}

void TForm2::Desligados1Click() {
  for (int note = 0; note <= 109; ++note) Send(128, static_cast<std::uint8_t>(note), 0);
}

}  // namespace lintra::app

#include "app/device_selection.h"

namespace lintra::app {

void SelectOutputByName(midi::TMidiOutput& output, const std::string& name) {
  try {
    output.SetProductName(name);
  } catch (const midi::EmidioutputError&) {
    if (output.IsOpen() || name.empty()) throw;
    for (int id = midi::kMidiMapper; id < static_cast<int>(output.DeviceCount()); ++id) {
      try {
        output.SetDeviceID(id);
      } catch (const midi::EmidioutputError&) {
        break;  // fewer devices than counted at start: a port has gone
      }
      if (output.LastError() == midi::kOk && output.ProductName() == name) return;
    }
    throw;
  }
}

void SelectInputByName(midi::TMidiInput& input, const std::string& name) {
  try {
    input.SetProductName(name);
  } catch (const midi::EMidiInputError&) {
    if (input.IsOpen() || name.empty()) throw;
    for (unsigned id = 0; id < input.DeviceCount(); ++id) {
      try {
        input.SetDeviceID(static_cast<std::uint16_t>(id));
      } catch (const midi::EMidiInputError&) {
        continue;
      }
      if (input.ProductName() == name) return;
    }
    throw;
  }
}

void SelectFirstInput(midi::TMidiInput& input) {
  try {
    input.SetDeviceID(0);
  } catch (const midi::EMidiInputError&) {
  }
}

bool OpenBuiltInSynthesizer(midi::TMidiOutput& output) {
  try {
    output.CloseDevice();
  } catch (const midi::EmidioutputError&) {
  }
  if (output.IsOpen()) return false;  // a device that will not let go keeps its place
  try {
    output.SetDeviceID(midi::kMidiMapper);
  } catch (const midi::EmidioutputError&) {
    return false;
  }
  return output.OpenDevice();
}

}  // namespace lintra::app

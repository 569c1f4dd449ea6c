// A platform without MIDI ports: what the program has when its ports module
// cannot be loaded. Nothing is listed, so nothing can be opened.
#pragma once

#include <string>

#include "midi/midi_service.h"
#include "midi/result_texts.h"

namespace lintra::midi {

class NoPortsService final : public MidiService {
 public:
  unsigned OutGetNumDevs() override { return 0; }
  Result OutGetDevCaps(int, OutCaps&) override { return kErrBadDeviceId; }
  Result OutOpen(DeviceHandle&, int, Callback, std::uintptr_t) override { return kErrBadDeviceId; }
  Result OutClose(DeviceHandle) override { return kErrInvalidHandle; }
  Result OutShortMsg(DeviceHandle, std::uint32_t) override { return kErrInvalidHandle; }
  Result OutPrepareHeader(DeviceHandle, LongHeader*) override { return kErrInvalidHandle; }
  Result OutLongMsg(DeviceHandle, LongHeader*) override { return kErrInvalidHandle; }
  Result OutUnprepareHeader(DeviceHandle, LongHeader*) override { return kErrInvalidHandle; }
  Result OutGetErrorText(Result code, std::string& text) override { return Text(code, text); }

  unsigned InGetNumDevs() override { return 0; }
  Result InGetDevCaps(unsigned, InCaps&) override { return kErrBadDeviceId; }
  Result InOpen(DeviceHandle&, unsigned, Callback, std::uintptr_t) override { return kErrBadDeviceId; }
  Result InStart(DeviceHandle) override { return kErrInvalidHandle; }
  Result InReset(DeviceHandle) override { return kErrInvalidHandle; }
  Result InClose(DeviceHandle) override { return kErrInvalidHandle; }
  Result InPrepareHeader(DeviceHandle, LongHeader*) override { return kErrInvalidHandle; }
  Result InAddBuffer(DeviceHandle, LongHeader*) override { return kErrInvalidHandle; }
  Result InUnprepareHeader(DeviceHandle, LongHeader*) override { return kErrInvalidHandle; }
  Result InGetErrorText(Result code, std::string& text) override { return Text(code, text); }

 private:
  static Result Text(Result code, std::string& text) {
    return StandardResultText(code, text) ? kOk : Result{kErrInvalParam};
  }
};

}  // namespace lintra::midi

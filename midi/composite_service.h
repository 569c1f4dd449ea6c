// The program's MIDI services joined into one.
//
// The platform service (RtMidi) lists whatever ports the machine has, often
// none.  The built-in synthesizer is appended to its outputs so that the
// output list is never empty and the mapper (device -1) always sounds.
#pragma once

#include <memory>
#include <string>

#include "midi/midi_service.h"

namespace lintra::midi {

// Outputs: the platform's devices 0..n-1, then the synthesizer as device n;
// the mapper (-1) is the synthesizer.  Inputs: the platform's.  Handles given
// out are the composite's own, so callbacks and calls always name the
// service that owns the device.
class CompositeMidiService final : public MidiService {
 public:
  CompositeMidiService(std::unique_ptr<MidiService> platform, std::unique_ptr<MidiOutputService> synth);
  ~CompositeMidiService() override;

  unsigned OutGetNumDevs() override;
  Result OutGetDevCaps(int id, OutCaps& caps) override;
  Result OutOpen(DeviceHandle& handle, int id, Callback callback, std::uintptr_t instance) override;
  Result OutClose(DeviceHandle handle) override;
  Result OutShortMsg(DeviceHandle handle, std::uint32_t packed) override;
  Result OutPrepareHeader(DeviceHandle handle, LongHeader* header) override;
  Result OutLongMsg(DeviceHandle handle, LongHeader* header) override;
  Result OutUnprepareHeader(DeviceHandle handle, LongHeader* header) override;
  Result OutGetErrorText(Result code, std::string& text) override;

  unsigned InGetNumDevs() override;
  Result InGetDevCaps(unsigned id, InCaps& caps) override;
  Result InOpen(DeviceHandle& handle, unsigned id, Callback callback, std::uintptr_t instance) override;
  Result InStart(DeviceHandle handle) override;
  Result InReset(DeviceHandle handle) override;
  Result InClose(DeviceHandle handle) override;
  Result InPrepareHeader(DeviceHandle handle, LongHeader* header) override;
  Result InAddBuffer(DeviceHandle handle, LongHeader* header) override;
  Result InUnprepareHeader(DeviceHandle handle, LongHeader* header) override;
  Result InGetErrorText(Result code, std::string& text) override;

 private:
  struct Link;
  struct Links;
  // Service is MidiOutputService or MidiInputService: the direction of the
  // device a handle must name.
  template <typename Service>
  Link* Find(DeviceHandle handle) const;
  template <typename Service, typename... Args>
  Result CallOnDevice(DeviceHandle handle, Result (Service::*call)(DeviceHandle, Args...), Args... args);
  template <typename Service>
  Result Open(Service& service, DeviceHandle& handle, int id, Callback callback, std::uintptr_t instance);
  template <typename Service>
  Result Close(DeviceHandle handle);
  void Forget(const Link* link);
  static void Forward(DeviceHandle inner, std::uint32_t message, std::uintptr_t instance, std::uintptr_t p1,
                      std::uintptr_t p2);

  std::unique_ptr<MidiService> platform_;
  std::unique_ptr<MidiOutputService> synth_;
  std::unique_ptr<Links> links_;
};

}  // namespace lintra::midi

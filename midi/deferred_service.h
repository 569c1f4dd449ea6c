// A MIDI service made when it is first needed after Reach().
//
// Reaching a platform's MIDI system can take a noticeable part of the
// program's start (on Linux each JACK client that finds no server costs
// milliseconds, most of them asleep in the JACK library), and a window being
// built would wait for it. Until Reach() the platform is not touched: device
// counts answer none, so a window built before then counts its devices again
// when it is created, and that count makes the service. Any other call makes
// it at once.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

#include "midi/midi_service.h"

namespace lintra::midi {

class DeferredMidiService final : public MidiService {
 public:
  using Factory = std::function<std::unique_ptr<MidiService>()>;
  explicit DeferredMidiService(Factory make) : make_(std::move(make)) {}
  DeferredMidiService(const DeferredMidiService&) = delete;
  DeferredMidiService& operator=(const DeferredMidiService&) = delete;

  // From now on device counts are the platform's: the next call makes the service.
  void Reach() { reached_ = true; }

  unsigned OutGetNumDevs() override { return reached_ ? Get().OutGetNumDevs() : 0; }
  Result OutGetDevCaps(int id, OutCaps& caps) override { return Get().OutGetDevCaps(id, caps); }
  Result OutOpen(DeviceHandle& handle, int id, Callback callback, std::uintptr_t instance) override {
    return Get().OutOpen(handle, id, callback, instance);
  }
  Result OutClose(DeviceHandle handle) override { return Get().OutClose(handle); }
  Result OutShortMsg(DeviceHandle handle, std::uint32_t packed) override { return Get().OutShortMsg(handle, packed); }
  Result OutPrepareHeader(DeviceHandle handle, LongHeader* header) override {
    return Get().OutPrepareHeader(handle, header);
  }
  Result OutLongMsg(DeviceHandle handle, LongHeader* header) override { return Get().OutLongMsg(handle, header); }
  Result OutUnprepareHeader(DeviceHandle handle, LongHeader* header) override {
    return Get().OutUnprepareHeader(handle, header);
  }
  Result OutGetErrorText(Result code, std::string& text) override { return Get().OutGetErrorText(code, text); }

  unsigned InGetNumDevs() override { return reached_ ? Get().InGetNumDevs() : 0; }
  Result InGetDevCaps(unsigned id, InCaps& caps) override { return Get().InGetDevCaps(id, caps); }
  Result InOpen(DeviceHandle& handle, unsigned id, Callback callback, std::uintptr_t instance) override {
    return Get().InOpen(handle, id, callback, instance);
  }
  Result InStart(DeviceHandle handle) override { return Get().InStart(handle); }
  Result InReset(DeviceHandle handle) override { return Get().InReset(handle); }
  Result InClose(DeviceHandle handle) override { return Get().InClose(handle); }
  Result InPrepareHeader(DeviceHandle handle, LongHeader* header) override {
    return Get().InPrepareHeader(handle, header);
  }
  Result InAddBuffer(DeviceHandle handle, LongHeader* header) override { return Get().InAddBuffer(handle, header); }
  Result InUnprepareHeader(DeviceHandle handle, LongHeader* header) override {
    return Get().InUnprepareHeader(handle, header);
  }
  Result InGetErrorText(Result code, std::string& text) override { return Get().InGetErrorText(code, text); }

 private:
  MidiService& Get() {
    std::call_once(made_, [this] {
      reached_ = true;
      service_ = make_();
    });
    return *service_;
  }

  Factory make_;
  std::atomic<bool> reached_ = false;
  std::once_flag made_;
  std::unique_ptr<MidiService> service_;
};

}  // namespace lintra::midi

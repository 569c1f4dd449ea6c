// A MIDI service made on a thread of its own, from the moment this wrapper is
// constructed; the first call waits until it is there.
//
// Reaching a platform's MIDI system can take a noticeable part of the
// program's start (on Linux each JACK client that finds no server costs
// milliseconds): made this way, it is reached while the toolkit starts up
// instead of after it.
#pragma once

#include <functional>
#include <future>
#include <memory>
#include <mutex>

#include "midi/midi_service.h"

namespace lintra::midi {

class DeferredMidiService final : public MidiService {
 public:
  using Factory = std::function<std::unique_ptr<MidiService>()>;
  explicit DeferredMidiService(Factory make) : making_(std::async(std::launch::async, std::move(make))) {}
  ~DeferredMidiService() override {
    if (making_.valid()) making_.wait();
  }
  DeferredMidiService(const DeferredMidiService&) = delete;
  DeferredMidiService& operator=(const DeferredMidiService&) = delete;

  unsigned OutGetNumDevs() override { return Get().OutGetNumDevs(); }
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

  unsigned InGetNumDevs() override { return Get().InGetNumDevs(); }
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
    std::call_once(made_, [this] { service_ = making_.get(); });
    return *service_;
  }

  std::future<std::unique_ptr<MidiService>> making_;
  std::once_flag made_;
  std::unique_ptr<MidiService> service_;
};

}  // namespace lintra::midi

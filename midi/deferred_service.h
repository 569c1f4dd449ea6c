// A MIDI back end made when it is first needed after Reach().
//
// Reaching a platform's MIDI system can take a noticeable part of the
// program's start (on Linux each JACK client that finds no server costs
// milliseconds, most of them asleep in the JACK library), and a window being
// built would wait for it. Until Reach() the platform is not touched: port
// counts answer none, so a window built before then counts its devices again
// when it is created, and that count makes the back end. Any other call makes
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

  // From now on port counts are the platform's: the next call makes the back end.
  void Reach() { reached_ = true; }

  unsigned OutputCount() override { return reached_ ? Get().OutputCount() : 0; }
  Result DescribeOutput(int port, OutCaps& caps) override { return Get().DescribeOutput(port, caps); }
  Result OpenOutput(int port, std::unique_ptr<OutputConnection>& connection) override {
    return Get().OpenOutput(port, connection);
  }

  unsigned InputCount() override { return reached_ ? Get().InputCount() : 0; }
  Result DescribeInput(unsigned port, InCaps& caps) override { return Get().DescribeInput(port, caps); }
  Result OpenInput(unsigned port, InputListener& listener, std::unique_ptr<InputConnection>& connection) override {
    return Get().OpenInput(port, listener, connection);
  }

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

// The program's MIDI back ends joined into one.
//
// The platform's ports are whatever the machine has, often none.  The
// built-in synthesizer is appended to its outputs so that the output list is
// never empty and the mapper (device -1) always sounds.
#pragma once

#include <memory>

#include "midi/midi_service.h"

namespace lintra::midi {

// Outputs: the platform's ports 0..n-1, then the synthesizer as port n; the
// mapper (-1) is the synthesizer.  Inputs: the platform's.  An open port is a
// connection of the back end that owns it, so nothing needs routing later.
class CompositeMidiService final : public MidiService {
 public:
  CompositeMidiService(std::unique_ptr<MidiService> platform, std::unique_ptr<MidiOutputService> synth)
      : platform_(std::move(platform)), synth_(std::move(synth)) {}

  unsigned OutputCount() override { return platform_->OutputCount() + 1; }
  Result DescribeOutput(int port, OutCaps& caps) override;
  Result OpenOutput(int port, std::unique_ptr<OutputConnection>& connection) override;

  unsigned InputCount() override { return platform_->InputCount(); }
  Result DescribeInput(unsigned port, InCaps& caps) override { return platform_->DescribeInput(port, caps); }
  Result OpenInput(unsigned port, InputListener& listener, std::unique_ptr<InputConnection>& connection) override {
    return platform_->OpenInput(port, listener, connection);
  }

 private:
  struct Owner {
    MidiOutputService* service = nullptr;  // null: no such port
    int port = 0;                          // the port as its owner numbers it
  };
  Owner OwnerOf(int port);

  std::unique_ptr<MidiService> platform_;
  std::unique_ptr<MidiOutputService> synth_;
};

}  // namespace lintra::midi

#pragma once

#include <functional>
#include <utility>

#include "midi/midi_output_service.h"

namespace lintra::midi {

// A synthesizer port that takes every message and sounds nothing: for the
// scenario runner and tests, which must not depend on audio or a soundfont,
// and for a program without its synthesizer module, which then tells the
// user why it is silent when the port is first opened (`onFirstOpen`).
class NullSynthService final : public MidiOutputService {
 public:
  explicit NullSynthService(std::function<void()> onFirstOpen = {}) : onFirstOpen_(std::move(onFirstOpen)) {}

  unsigned OutputCount() override { return 1; }
  Result DescribeOutput(int port, OutCaps& caps) override;
  Result OpenOutput(int port, std::unique_ptr<OutputConnection>& connection) override;

 private:
  std::function<void()> onFirstOpen_;
};

}  // namespace lintra::midi

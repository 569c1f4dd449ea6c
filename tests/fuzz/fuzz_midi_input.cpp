// Arbitrary short messages through the input component: the device callback
// on the delivering thread, the ring, the posted notifications, ReadEvent and
// the note hook, drained on the same thread.  A model of the ring says what
// every read and every hook must see; a small ring makes overflows common.
//
// Input: byte 0 the ring's capacity (1 to 16), then operations of four bytes:
//   op % 8 < 5  deliver the short message (b1, b2, b3); none starts with F0,
//               which begins a system-exclusive message (fuzz_sysex's part)
//   op % 8 == 5 dispatch every posted notification
//   op % 8 == 6 read one event directly
//   op % 8 == 7 toggle SysexOnly, or (op & 8) close and reopen the device
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "fuzz_check.h"
#include "midi/message_loop.h"
#include "midi/midi_in.h"
#include "testing/fake_midi_service.h"

namespace {

using lintra::midi::TMidiInput;

struct Model {
  std::size_t capacity = 0;
  std::deque<std::uint32_t> ring;
  std::deque<bool> notifications;  // true: overflow
  std::deque<std::uint8_t> hooks;  // notes the hook has still to receive
  bool sysexOnly = false;
  bool open = true;
  unsigned overflowsFired = 0;
  unsigned overflowsExpected = 0;
};

void ExpectRead(Model& model, const lintra::midi::TMyMidiEvent* event) {
  if (!model.open || model.ring.empty()) {
    FUZZ_CHECK(event == nullptr);
    return;
  }
  FUZZ_CHECK(event != nullptr);
  const std::uint32_t packed = model.ring.front();
  model.ring.pop_front();
  FUZZ_CHECK(event->StatusByte == (packed & 0xFF));
  FUZZ_CHECK(event->FirstData == (packed >> 8 & 0xFF));
  FUZZ_CHECK(event->SecondData == (packed >> 16 & 0xFF));
  FUZZ_CHECK(event->SysexSize == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  lintra::midi::FakeMidiService service;
  service.SetInputDevices({"Fuzz In"});
  lintra::midi::MessageLoop loop;
  TMidiInput input(service, loop);
  Model model;
  model.capacity = 1 + data[0] % 16;
  input.Capacity = static_cast<std::uint16_t>(model.capacity);

  std::vector<std::uint8_t> received;
  input.NoteHook = [&](std::uint8_t note) {
    FUZZ_CHECK(!model.hooks.empty());
    FUZZ_CHECK(model.hooks.front() == note);
    model.hooks.pop_front();
    received.push_back(note);
  };
  input.OnOverflow = [&] { ++model.overflowsFired; };
  FUZZ_CHECK(input.OpenDevice());
  input.StartInput();

  // Hooks are expected before the read that fires them; queue them as reads happen.
  auto expectHook = [&](std::uint32_t packed) {
    if ((packed & 0xFF) == 144 && (packed >> 16 & 0xFF) > 0) model.hooks.push_back(packed >> 8 & 0xFF);
  };
  auto dispatchAll = [&] {
    // Mirror of one notification each: it takes at most one entry.
    std::size_t expected = model.notifications.size();
    std::deque<std::uint32_t> ring = model.ring;
    for (bool overflow : model.notifications) {
      if (model.open && !ring.empty()) {
        expectHook(ring.front());
        ring.pop_front();
      }
      if (overflow && model.open) ++model.overflowsExpected;
    }
    model.ring = ring;
    model.notifications.clear();
    FUZZ_CHECK(loop.DispatchPending() == expected);
  };

  // The message queue holds 16384 notifications; stay well inside it.
  const std::size_t maxOps = 4000;
  for (std::size_t at = 1, ops = 0; at + 4 <= size && ops < maxOps; at += 4, ++ops) {
    const std::uint8_t op = data[at];
    const std::uint8_t b1 = data[at + 1], b2 = data[at + 2], b3 = data[at + 3];
    switch (op % 8) {
      case 5:
        dispatchAll();
        break;
      case 6: {
        if (model.open && !model.ring.empty()) expectHook(model.ring.front());
        const auto event = input.ReadEvent();
        ExpectRead(model, event.get());
        break;
      }
      case 7:
        if (op & 8) {
          // The reset hands every queued long buffer back through the
          // callback; the ring takes what fits and each gets its notification,
          // but the component is closed by then and reads none of them.
          for (std::uint16_t i = 0; model.open && i < input.SysexBufferCount(); ++i)
            model.notifications.push_back(model.ring.size() + i >= model.capacity);
          input.CloseDevice();
          model.open = false;
          model.ring.clear();
          if (op & 16) {
            FUZZ_CHECK(input.OpenDevice());
            input.StartInput();
            model.open = true;
          }
        } else {
          model.sysexOnly = !model.sysexOnly;
          input.SetSysexOnly(model.sysexOnly);
        }
        break;
      default: {
        if (b1 == 0xF0) break;
        const std::uint32_t packed = b1 | static_cast<std::uint32_t>(b2) << 8 | static_cast<std::uint32_t>(b3) << 16;
        const bool delivered = service.DeliverShortHere(b1, b2, b3);
        FUZZ_CHECK(delivered == model.open);
        if (!delivered) break;
        if (packed == 254 || packed == 248 || model.sysexOnly) break;  // never reaches the ring
        const bool fits = model.ring.size() < model.capacity;
        if (fits) model.ring.push_back(packed);
        model.notifications.push_back(!fits);
        FUZZ_CHECK(input.PendingCount() == model.ring.size());
        break;
      }
    }
  }
  dispatchAll();
  FUZZ_CHECK(model.hooks.empty());
  FUZZ_CHECK(model.overflowsFired == model.overflowsExpected);
  FUZZ_CHECK(input.PendingCount() == (model.open ? model.ring.size() : 0));
  return 0;
}

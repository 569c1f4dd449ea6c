// System-exclusive messages of sizes around the buffer size, through the long
// buffers, the callback, the ring and ReadEvent: every event carries exactly
// the bytes that fitted, and every buffer goes back to the device once read.
//
// Input: byte 0 picks the buffer size (4090 to 4102) and byte 1 the number of
// buffers (1 to 4); then pairs (size byte, fill byte): the message is
// 4086 + size % 21 bytes long (4086 to 4106); fill % 3 == 2 reads every
// waiting event instead of sending.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "fuzz_check.h"
#include "midi/input_device_adapter.h"
#include "midi/message_loop.h"
#include "midi/midi_in.h"
#include "testing/fake_midi_service.h"

namespace {

std::vector<std::uint8_t> Message(std::size_t length, std::uint8_t seed) {
  std::vector<std::uint8_t> bytes(length);
  for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<std::uint8_t>((seed + i * 7) & 0x7F);
  bytes.front() = 0xF0;
  bytes.back() = 0xF7;
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  lintra::midi::FakeMidiService service;
  service.SetInputDevices({"Fuzz In"});
  lintra::midi::InputDeviceAdapter devices(service);
  lintra::midi::MessageLoop loop;
  lintra::midi::TMidiInput input(devices, loop);
  const std::uint16_t bufferSize = static_cast<std::uint16_t>(4090 + data[0] % 13);
  const std::uint16_t buffers = static_cast<std::uint16_t>(1 + data[1] % 4);
  input.SetSysexBufferSize(bufferSize);
  input.SetSysexBufferCount(buffers);
  unsigned hooks = 0;
  input.NoteHook = [&](std::uint8_t) { ++hooks; };
  FUZZ_CHECK(input.OpenDevice());
  input.StartInput();
  FUZZ_CHECK(devices.QueuedBuffers() == buffers);

  std::deque<std::vector<std::uint8_t>> waiting;  // what the device handed over, in order
  auto readAll = [&] {
    while (!waiting.empty()) {
      const auto event = input.ReadEvent();
      FUZZ_CHECK(event != nullptr);
      const auto& sent = waiting.front();
      const std::size_t fits = std::min<std::size_t>(sent.size(), bufferSize);
      FUZZ_CHECK(event->StatusByte == 240);
      FUZZ_CHECK(event->SysexSize == fits);
      FUZZ_CHECK(event->SysexBytes != nullptr);
      for (std::size_t i = 0; i < fits; ++i) FUZZ_CHECK(event->SysexBytes[i] == sent[i]);
      waiting.pop_front();
    }
    FUZZ_CHECK(input.ReadEvent() == nullptr);
    // Every buffer is with the device again.
    FUZZ_CHECK(devices.QueuedBuffers() == buffers);
  };

  for (std::size_t at = 2; at + 2 <= size && at < 2 + 2 * 64; at += 2) {
    if (data[at + 1] % 3 == 2) {
      readAll();
      continue;
    }
    const auto message = Message(4086 + data[at] % 21, data[at + 1]);
    // A message that finds no buffer waiting is lost.
    FUZZ_CHECK(service.InjectSysex(message));
    if (waiting.size() < buffers) waiting.push_back(message);
    FUZZ_CHECK(input.PendingCount() == waiting.size());
  }
  readAll();
  // The notifications find nothing left to read.
  loop.DispatchPending();
  FUZZ_CHECK(hooks == 0);
  input.CloseDevice();
  FUZZ_CHECK(devices.QueuedBuffers() == 0);
  return 0;
}

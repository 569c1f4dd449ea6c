// lintra-midi-e2e: a MIDI echo over JACK, for the end-to-end test.
//
//   lintra-midi-e2e notes IN OUT COUNT TIMEOUT_MS
//     Opens input port IN and output port OUT through TMidiInput and
//     TMidiOutput over the program's service (RtMidi on JACK plus the
//     built-in synthesizer's stand-in) and sends every channel-1 note-on
//     that reaches the note hook back out as note-on (144, note, 127), the
//     way the trainer answers a key.  Ends after COUNT notes or the timeout;
//     exit 3 when the lists offer a port of its own.
//
//   lintra-midi-e2e sysex IN OUT COUNT TIMEOUT_MS
//     Works on the device calls over RtMidi's ports: queues two 16-byte buffers, reports
//     each long and short message it receives on stdout, sends every complete
//     system-exclusive message back out as a long message, and after COUNT
//     reports resets the input and reports the buffers the reset returned.
//
//   lintra-midi-e2e replug IN OUT COUNT TIMEOUT_MS
//     Opens input port IN over RtMidi's ports and waits until the port has
//     come COUNT times more (its generation in the port's record), as when
//     it is unplugged and plugged back quicker than the window looks; prints
//     "came back" then.  OUT is not used.
//
// Prints "ready" once listening.  Exit code 0 when COUNT messages arrived.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <semaphore>
#include <string>
#include <thread>
#include <vector>

#include "midi/composite_service.h"
#include "midi/input_device_adapter.h"
#include "midi/message_loop.h"
#include "midi/midi_in.h"
#include "midi/midi_out.h"
#include "midi/null_synth_service.h"
#include "midi/output_device_adapter.h"
#include "midi/rtmidi/rtmidi_service.h"

namespace {

using namespace lintra::midi;
using Clock = std::chrono::steady_clock;

class SemaphoreWaker final : public Waker {
 public:
  void Wake() noexcept override { semaphore_.release(); }
  void WaitFor(std::chrono::milliseconds timeout) { (void)semaphore_.try_acquire_for(timeout); }

 private:
  std::counting_semaphore<> semaphore_{0};
};

struct Args {
  std::string mode, in, out;
  int count = 0;
  std::chrono::milliseconds timeout{0};
};

// Runs the loop until `done` says so or the time is up.
template <typename Done>
void RunLoop(MessageLoop& loop, SemaphoreWaker& waker, const Args& args, Done done) {
  const auto deadline = Clock::now() + args.timeout;
  while (!done() && Clock::now() < deadline) {
    waker.WaitFor(std::chrono::milliseconds(20));
    loop.DispatchPending();
  }
}

std::optional<std::string> OwnPortOffered(MidiService& ports) {
  for (unsigned id = 0; id < ports.InputCount(); ++id) {
    InCaps caps;
    if (ports.DescribeInput(id, caps) == kOk && caps.productName.starts_with("Lintra ")) return caps.productName;
  }
  for (unsigned id = 0; id < ports.OutputCount(); ++id) {
    OutCaps caps;
    if (ports.DescribeOutput(static_cast<int>(id), caps) == kOk && caps.productName.starts_with("Lintra "))
      return caps.productName;
  }
  return std::nullopt;
}

int EchoNotes(const Args& args) {
  CompositeMidiService service(std::make_unique<RtMidiService>(RtMidiBackend::Jack),
                               std::make_unique<NullSynthService>());
  MessageLoop loop;
  SemaphoreWaker waker;
  loop.SetWaker(&waker);
  TMidiOutput out(service, loop);
  TMidiInput in(service, loop);
  int echoed = 0;
  try {
    out.SetProductName(args.out);
    out.OpenDevice();
    if (out.LastError() != kOk) throw EmidioutputError(out.ErrorText(out.LastError()));
    in.ShowMessage = [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); };
    in.NoteHook = [&](std::uint8_t note) {
      out.SendShort(144, note, 127);
      ++echoed;
    };
    in.SetProductName(args.in);
    if (!in.OpenDevice() || in.Error() != kOk) throw EMidiInputError(in.ErrorText(in.Error()));
    in.StartInput();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "lintra-midi-e2e: %s\n", error.what());
    return 2;
  }
  // Our own ports, open now, are a port to write to and one to read from: never offered.
  if (const auto own = OwnPortOffered(service)) {
    std::fprintf(stderr, "lintra-midi-e2e: our own port %s is offered\n", own->c_str());
    return 3;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  RunLoop(loop, waker, args, [&] { return echoed >= args.count; });
  in.CloseDevice();
  out.CloseDevice();
  std::printf("echoed %d\n", echoed);
  return echoed == args.count ? 0 : 1;
}

// --- sysex mode: the device calls alone -----------------------------------------

void PostToWindow(DeviceHandle, std::uint32_t message, std::uintptr_t instance, std::uintptr_t p1, std::uintptr_t) {
  auto* window = reinterpret_cast<MessageWindow*>(instance);
  if (message == MIM_DATA || message == MIM_LONGDATA || message == MIM_LONGERROR) window->Post(message, p1, 0);
}

bool FindPort(MidiService& ports, bool input, const std::string& name, unsigned& id) {
  const unsigned count = input ? ports.InputCount() : ports.OutputCount();
  for (id = 0; id < count; ++id) {
    std::string found;
    if (input) {
      InCaps caps;
      if (ports.DescribeInput(id, caps) == kOk) found = caps.productName;
    } else {
      OutCaps caps;
      if (ports.DescribeOutput(static_cast<int>(id), caps) == kOk) found = caps.productName;
    }
    if (found == name) return true;
  }
  return false;
}

std::string Hex(const std::uint8_t* bytes, std::uint32_t size) {
  std::string text;
  char cell[4];
  for (std::uint32_t i = 0; i < size; ++i) {
    std::snprintf(cell, sizeof cell, "%02x", bytes[i]);
    text += cell;
  }
  return text;
}

// What the sysex mode hears: each message reported, each complete one sent back; after the reset,
// the buffers it hands back empty counted.
struct SysexEcho {
  OutputDeviceAdapter& output;
  DeviceHandle out = kNoHandle;
  LongHeader echo{};
  int reports = 0;
  bool resetting = false;
  int returnedByReset = 0;

  void Receive(const PostedMessage& message) {
    if (resetting) {
      const auto* header = reinterpret_cast<LongHeader*>(message.p1);
      if (message.code == MIM_LONGDATA && header->bytesRecorded == 0) ++returnedByReset;
      return;
    }
    ++reports;
    if (message.code == MIM_DATA) {
      std::printf("short %06lx\n", static_cast<unsigned long>(message.p1));
    } else {
      auto* header = reinterpret_cast<LongHeader*>(message.p1);
      const bool complete = message.code == MIM_LONGDATA;
      std::printf("%s %u %s\n", complete ? "long" : "longerror", header->bytesRecorded,
                  Hex(header->data, header->bytesRecorded).c_str());
      if (complete) {
        echo = LongHeader{};
        echo.data = header->data;
        echo.bufferLength = header->bytesRecorded;
        if (output.OutPrepareHeader(out, &echo) != kOk || output.OutLongMsg(out, &echo) != kOk)
          std::printf("echo failed\n");
      }
    }
    std::fflush(stdout);
  }
};

int EchoSysex(const Args& args) {
  RtMidiService ports(RtMidiBackend::Jack);
  OutputDeviceAdapter output(ports);
  InputDeviceAdapter input(ports);
  unsigned inId = 0, outId = 0;
  if (!FindPort(ports, true, args.in, inId) || !FindPort(ports, false, args.out, outId)) {
    std::fprintf(stderr, "lintra-midi-e2e: ports %s / %s not found\n", args.in.c_str(), args.out.c_str());
    return 2;
  }
  MessageLoop loop;
  SemaphoreWaker waker;
  loop.SetWaker(&waker);
  DeviceHandle in = kNoHandle;
  SysexEcho heard{output};
  std::vector<std::uint8_t> buffers[2] = {std::vector<std::uint8_t>(16), std::vector<std::uint8_t>(16)};
  LongHeader headers[2];
  MessageWindow window(loop, [&](const PostedMessage& message) { heard.Receive(message); });

  if (output.OutOpen(heard.out, static_cast<int>(outId), nullptr, 0) != kOk ||
      input.InOpen(in, inId, &PostToWindow, reinterpret_cast<std::uintptr_t>(&window)) != kOk) {
    std::fprintf(stderr, "lintra-midi-e2e: open failed\n");
    return 2;
  }
  for (int i = 0; i < 2; ++i) {
    headers[i].data = buffers[i].data();
    headers[i].bufferLength = static_cast<std::uint32_t>(buffers[i].size());
    input.InPrepareHeader(in, &headers[i]);
    input.InAddBuffer(in, &headers[i]);
  }
  input.InStart(in);
  std::printf("ready\n");
  std::fflush(stdout);
  RunLoop(loop, waker, args, [&] { return heard.reports >= args.count; });

  // Both buffers are back with us by now; one goes in again, and the reset
  // has to hand it back empty.
  loop.DispatchPending();
  heard.resetting = true;
  input.InAddBuffer(in, &headers[0]);
  input.InReset(in);
  loop.DispatchPending();
  std::printf("reset returned %d\n", heard.returnedByReset);
  for (auto& header : headers) input.InUnprepareHeader(in, &header);
  const Result closed = input.InClose(in);
  output.OutClose(heard.out);
  std::printf("closed %u\n", closed);
  return heard.reports >= args.count ? 0 : 1;
}

int WatchReplug(const Args& args) {
  RtMidiService ports(RtMidiBackend::Jack);
  unsigned id = 0;
  struct : InputListener {
    void Received(std::span<const std::uint8_t>) noexcept override {}
  } listener;
  std::unique_ptr<InputConnection> connection;
  if (!FindPort(ports, true, args.in, id) || ports.OpenInput(id, listener, connection) != kOk) {
    std::fprintf(stderr, "lintra-midi-e2e: cannot open %s\n", args.in.c_str());
    return 2;
  }
  const auto generation = [&] {
    InCaps caps;
    return FindPort(ports, true, args.in, id) && ports.DescribeInput(id, caps) == kOk ? caps.generation : 0;
  };
  const PortGeneration first = generation();
  std::printf("ready\n");
  std::fflush(stdout);
  const auto deadline = Clock::now() + args.timeout;
  while (generation() < first + static_cast<PortGeneration>(args.count) && Clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  const bool back = generation() >= first + static_cast<PortGeneration>(args.count);
  std::printf(back ? "came back\n" : "not seen back\n");
  return back ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: %s notes|sysex|replug IN OUT COUNT TIMEOUT_MS\n", argv[0]);
    return 2;
  }
  Args args{argv[1], argv[2], argv[3], std::atoi(argv[4]), std::chrono::milliseconds(std::atoi(argv[5]))};
  if (args.mode == "notes") return EchoNotes(args);
  if (args.mode == "sysex") return EchoSysex(args);
  if (args.mode == "replug") return WatchReplug(args);
  std::fprintf(stderr, "unknown mode %s\n", args.mode.c_str());
  return 2;
}

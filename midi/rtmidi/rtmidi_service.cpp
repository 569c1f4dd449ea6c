#include "midi/rtmidi/rtmidi_service.h"

#include <RtMidi.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <vector>

#include "midi/jack_server.h"
#include "midi/rtmidi/port_comings.h"

namespace lintra::midi {
namespace {

constexpr std::size_t kMaxNameLength = 31;
constexpr std::uint16_t kTechMidiPort = 1;        // classic MOD_MIDIPORT
constexpr std::uint32_t kDriverVersion = 0x0500;  // RtMidi 5

std::atomic<unsigned> clientCounter{0};

const char* ApiLabel(RtMidi::Api api) {
  switch (api) {
    case RtMidi::LINUX_ALSA:
      return "alsa";
    case RtMidi::UNIX_JACK:
      return "jack";
    case RtMidi::WINDOWS_MM:
      return "winmm";
    case RtMidi::MACOSX_CORE:
      return "core";
    default:
      return "none";
  }
}

// With an error callback installed RtMidi reports instead of throwing, and
// its warnings (a failed send among them) stop going to stderr.  The callback
// may run on RtMidi's input thread, so it only stores the type.
struct ErrorSink {
  static constexpr int kNone = -1;
  std::atomic<int> type{kNone};

  static void Record(RtMidiError::Type type, const std::string&, void* data) {
    if (type == RtMidiError::DEBUG_WARNING) return;
    static_cast<ErrorSink*>(data)->type.store(static_cast<int>(type));
  }
  void Clear() { type.store(kNone); }
  bool Any() const { return type.load() != kNone; }
  bool Failed() const {
    const int t = type.load();
    return t != kNone && t != RtMidiError::WARNING;
  }
};

Result OpenFailure(int type) {
  switch (type) {
    case RtMidiError::INVALID_PARAMETER:
    case RtMidiError::INVALID_DEVICE:
      return kErrBadDeviceId;
    case RtMidiError::MEMORY_ERROR:
      return kErrNoMem;
    default:
      return kErrOpenFailed;
  }
}

std::string CutName(std::string name) {
  if (name.size() > kMaxNameLength) name.resize(kMaxNameLength);
  return name;
}

class OutputPort final : public OutputConnection {
 public:
  explicit OutputPort(std::unique_ptr<RtMidiOut> midi) : midi_(std::move(midi)) {
    midi_->setErrorCallback(&ErrorSink::Record, &errors_);
  }
  Result Open(unsigned port) {
    midi_->openPort(port, "Lintra Out");
    return errors_.Failed() || !midi_->isPortOpen() ? OpenFailure(errors_.type) : kOk;
  }
  Result Send(ShortMessage message) override {
    const int length = ShortMessageLength(message.status);
    if (length == 0) return kErrInvalParam;
    // Data bytes are 7 bits on the wire: a larger value would read as a status.
    const unsigned char bytes[3] = {message.status, static_cast<unsigned char>(message.data1 & 0x7F),
                                    static_cast<unsigned char>(message.data2 & 0x7F)};
    return Write(bytes, static_cast<std::size_t>(length));
  }
  Result SendSysex(std::span<const std::uint8_t> bytes) override { return Write(bytes.data(), bytes.size()); }
  Result Close() override {
    midi_.reset();
    return kOk;
  }

 private:
  Result Write(const unsigned char* bytes, std::size_t size) {
    if (!midi_) return kErrInvalidHandle;
    errors_.Clear();
    try {
      midi_->sendMessage(bytes, size);
    } catch (const RtMidiError&) {
      return kErrDeviceGone;
    }
    return errors_.Any() ? Result{kErrDeviceGone} : kOk;
  }

  ErrorSink errors_;
  std::unique_ptr<RtMidiOut> midi_;  // destroyed first: it reports to errors_
};

class InputPort final : public InputConnection {
 public:
  InputPort(std::unique_ptr<RtMidiIn> midi, InputListener& listener) : listener_(listener), midi_(std::move(midi)) {
    midi_->setErrorCallback(&ErrorSink::Record, &errors_);
    // System exclusive is wanted; clock and active sensing pass too, the
    // input component decides what to do with them.
    midi_->ignoreTypes(false, false, false);
    midi_->setCallback(&InputPort::OnMessage, this);
  }
  Result Open(unsigned port) {
    midi_->openPort(port, "Lintra In");
    return errors_.Failed() || !midi_->isPortOpen() ? OpenFailure(errors_.type) : kOk;
  }
  // Destroying the RtMidi object stops its thread: no message arrives after it.
  Result Close() override {
    midi_.reset();
    return kOk;
  }

 private:
  // RtMidi's thread.
  static void OnMessage(double, std::vector<unsigned char>* message, void* data) {
    if (message) static_cast<InputPort*>(data)->listener_.Received(*message);
  }

  InputListener& listener_;
  ErrorSink errors_;
  std::unique_ptr<RtMidiIn> midi_;  // destroyed first: its thread uses the rest
};

}  // namespace

int ShortMessageLength(std::uint8_t status) {
  if (status < 0x80) return 0;
  if (status < 0xC0) return 3;  // note off/on, key pressure, controller
  if (status < 0xE0) return 2;  // program change, channel pressure
  if (status < 0xF0) return 3;  // pitch bend
  switch (status) {
    case 0xF0:
    case 0xF7:
      return 0;  // system exclusive goes as a long message
    case 0xF1:
    case 0xF3:
      return 2;
    case 0xF2:
      return 3;
    default:
      return 1;
  }
}

struct RtMidiService::Impl {
  RtMidi::Api api = RtMidi::UNSPECIFIED;
  bool available = false;
  ErrorSink inListErrors;
  ErrorSink outListErrors;
  std::unique_ptr<RtMidiIn> inList;  // for counting and naming only
  std::unique_ptr<RtMidiOut> outList;
  // The clients this service has made. Their ports are the program's own: an input of ours is a port
  // to write to and would be listed among the outputs, and choosing it would connect the program to
  // itself.
  std::vector<std::string> ownClients;

  std::string NewClient(const char* base) {
    ownClients.push_back(std::string(base) + " " + std::to_string(++clientCounter));
    return ownClients.back();
  }
  // Started with the first port opened: only an open port has a connection to lose.
  std::unique_ptr<PortComings> comings;
  void WatchComings() {
    if (comings) return;
    try {
      comings = std::make_unique<PortComings>(api, NewClient("Lintra In"), NewClient("Lintra Out"));
    } catch (const RtMidiError&) {
      // Without it a port's generation stays 0: a port away between two looks goes unseen.
    }
  }
  bool Own(const std::string& port) const {
    return std::any_of(ownClients.begin(), ownClients.end(),
                       [&](const std::string& client) { return port.starts_with(client + ":"); });
  }

  // Without a JACK server every count tries to reach one again, and each try keeps the caller (the
  // window, before its first paint among others) for milliseconds: after a try that found none,
  // counts within the next second answer none at once.
  static constexpr std::chrono::seconds kServerRetry{1};
  std::chrono::steady_clock::time_point serverRetryAt{};

  unsigned Count(RtMidi& list, ErrorSink& errors) {
    const auto now = std::chrono::steady_clock::now();
    const bool jack = api == RtMidi::UNIX_JACK;
    if (jack && now < serverRetryAt) return 0;
    errors.Clear();
    const unsigned n = list.getPortCount();
    if (jack && n == 0 && errors.Any()) serverRetryAt = now + kServerRetry;
    return errors.Failed() ? 0 : n;
  }
  // RtMidi's numbers of the ports offered, the program's own left out; ours count from 0 over them.
  std::vector<unsigned> Offered(RtMidi* list, ErrorSink& errors) {
    std::vector<unsigned> offered;
    if (!Reached() || !list) return offered;
    const unsigned count = Count(*list, errors);
    for (unsigned port = 0; port < count; ++port) {
      if (!Own(list->getPortName(port))) offered.push_back(port);
    }
    return offered;
  }
  std::vector<unsigned> Inputs() { return Offered(inList.get(), inListErrors); }
  std::vector<unsigned> Outputs() { return Offered(outList.get(), outListErrors); }

  // Where no JACK server can be reached the JACK side is not made at all, as every client made then
  // fails after a costly set-up; it is made when a count first finds a server that may be there.
  bool jackAwaited = false;
  bool CreateJack() {
    api = RtMidi::UNIX_JACK;
    jackAwaited = !JackServerMayBeRunning();
    return jackAwaited || Create(RtMidi::UNIX_JACK);
  }
  bool Reached() {
    if (!jackAwaited) return true;
    if (!JackServerMayBeRunning()) return false;
    jackAwaited = false;
    return Create(RtMidi::UNIX_JACK);
  }

  bool Create(RtMidi::Api tryApi) {
    try {
      auto out = std::make_unique<RtMidiOut>(tryApi, NewClient("Lintra Out"));
      auto in = std::make_unique<RtMidiIn>(tryApi, NewClient("Lintra In"));
      out->setErrorCallback(&ErrorSink::Record, &outListErrors);
      in->setErrorCallback(&ErrorSink::Record, &inListErrors);
      api = out->getCurrentApi();
      outList = std::move(out);
      inList = std::move(in);
      return true;
    } catch (const RtMidiError&) {
      return false;  // no sequencer device, no CoreMIDI server ...
    }
  }
};

RtMidiService::RtMidiService(RtMidiBackend backend) : impl_(std::make_unique<Impl>()) {
  PreventJackAutostart();
  if (backend == RtMidiBackend::Jack) {
    impl_->available = impl_->CreateJack();
    return;
  }
#if defined(__linux__)
  // RtMidi does not fall back by itself when /dev/snd/seq is missing.
  impl_->available = impl_->Create(RtMidi::LINUX_ALSA) || impl_->CreateJack();
#elif defined(_WIN32)
  impl_->available = impl_->Create(RtMidi::WINDOWS_MM);
#elif defined(__APPLE__)
  impl_->available = impl_->Create(RtMidi::MACOSX_CORE);
#else
  impl_->available = impl_->Create(RtMidi::UNSPECIFIED);
#endif
}

RtMidiService::~RtMidiService() = default;

std::string RtMidiService::ApiName() const { return impl_->available ? ApiLabel(impl_->api) : "none"; }

unsigned RtMidiService::OutputCount() { return static_cast<unsigned>(impl_->Outputs().size()); }

Result RtMidiService::DescribeOutput(int port, OutCaps& caps) {
  const auto offered = impl_->Outputs();
  if (port < 0 || static_cast<std::size_t>(port) >= offered.size()) return kErrBadDeviceId;
  caps = OutCaps{};
  const std::string name = impl_->outList->getPortName(offered[static_cast<std::size_t>(port)]);
  caps.productName = CutName(name);
  caps.generation = impl_->comings ? impl_->comings->Output(name) : 0;
  caps.driverVersion = kDriverVersion;
  caps.technology = kTechMidiPort;
  caps.channelMask = 0xFFFF;
  return kOk;
}

Result RtMidiService::OpenOutput(int port, std::unique_ptr<OutputConnection>& connection) {
  const auto offered = impl_->Outputs();
  if (port < 0 || static_cast<std::size_t>(port) >= offered.size()) return kErrBadDeviceId;
  std::unique_ptr<OutputPort> opened;
  try {
    opened = std::make_unique<OutputPort>(std::make_unique<RtMidiOut>(impl_->api, impl_->NewClient("Lintra Out")));
  } catch (const RtMidiError&) {
    return kErrNoDriver;
  }
  if (const Result result = opened->Open(offered[static_cast<std::size_t>(port)]); result != kOk) return result;
  connection = std::move(opened);
  impl_->WatchComings();
  return kOk;
}

unsigned RtMidiService::InputCount() { return static_cast<unsigned>(impl_->Inputs().size()); }

Result RtMidiService::DescribeInput(unsigned port, InCaps& caps) {
  const auto offered = impl_->Inputs();
  if (port >= offered.size()) return kErrBadDeviceId;
  caps = InCaps{};
  const std::string name = impl_->inList->getPortName(offered[port]);
  caps.productName = CutName(name);
  caps.generation = impl_->comings ? impl_->comings->Input(name) : 0;
  caps.driverVersion = kDriverVersion;
  return kOk;
}

Result RtMidiService::OpenInput(unsigned port, InputListener& listener, std::unique_ptr<InputConnection>& connection) {
  const auto offered = impl_->Inputs();
  if (port >= offered.size()) return kErrBadDeviceId;
  std::unique_ptr<InputPort> opened;
  try {
    opened =
        std::make_unique<InputPort>(std::make_unique<RtMidiIn>(impl_->api, impl_->NewClient("Lintra In")), listener);
  } catch (const RtMidiError&) {
    return kErrNoDriver;
  }
  if (const Result result = opened->Open(offered[port]); result != kOk) return result;
  connection = std::move(opened);
  impl_->WatchComings();
  return kOk;
}

}  // namespace lintra::midi

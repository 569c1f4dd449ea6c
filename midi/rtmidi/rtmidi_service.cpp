#include "midi/rtmidi/rtmidi_service.h"

#include <RtMidi.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

#include "midi/jack_server.h"
#include "midi/result_texts.h"

namespace lintra::midi {
namespace {

constexpr std::size_t kMaxNameLength = 31;
constexpr std::uint16_t kTechMidiPort = 1;        // classic MOD_MIDIPORT
constexpr std::uint32_t kDriverVersion = 0x0500;  // RtMidi 5

std::atomic<unsigned> clientCounter{0};

std::string ClientName(const char* base) { return std::string(base) + " " + std::to_string(++clientCounter); }

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
      return RtMidiService::kErrOpenFailed;
  }
}

std::string CutName(std::string name) {
  if (name.size() > kMaxNameLength) name.resize(kMaxNameLength);
  return name;
}

// Buffers queued by InAddBuffer on the user-interface thread and taken, oldest
// first, on RtMidi's thread (or by InReset once that thread is held off).
// The taking side uses compare-and-swap, so two takers never get the same one.
class HeaderQueue {
 public:
  static constexpr std::size_t kCapacity = 1024;

  bool Push(LongHeader* header) {
    const std::size_t tail = tail_.load(std::memory_order_relaxed);
    if (tail - head_.load(std::memory_order_acquire) >= kCapacity) return false;
    slots_[tail % kCapacity].store(header, std::memory_order_relaxed);
    tail_.store(tail + 1, std::memory_order_release);
    return true;
  }

  LongHeader* Pop() {
    std::size_t head = head_.load(std::memory_order_acquire);
    for (;;) {
      if (head == tail_.load(std::memory_order_acquire)) return nullptr;
      LongHeader* header = slots_[head % kCapacity].load(std::memory_order_relaxed);
      if (head_.compare_exchange_weak(head, head + 1, std::memory_order_acq_rel, std::memory_order_acquire))
        return header;
    }
  }

  bool Empty() const { return head_.load(std::memory_order_acquire) == tail_.load(std::memory_order_acquire); }

 private:
  std::array<std::atomic<LongHeader*>, kCapacity> slots_{};
  std::atomic<std::size_t> head_{0};
  std::atomic<std::size_t> tail_{0};
};

struct InPort {
  Callback callback = nullptr;
  std::uintptr_t instance = 0;
  ErrorSink errors;
  HeaderQueue queue;
  std::atomic<bool> started{false};
  std::atomic<int> inflight{0};
  std::atomic<std::int64_t> startNs{0};
  std::unique_ptr<RtMidiIn> midi;  // destroyed first: its thread uses the rest

  DeviceHandle Handle() const { return reinterpret_cast<DeviceHandle>(this); }

  // RtMidi's thread.
  static void OnMessage(double, std::vector<unsigned char>* message, void* data) {
    auto* port = static_cast<InPort*>(data);
    port->inflight.fetch_add(1);
    if (port->started.load() && message && !message->empty()) port->Deliver(*message);
    port->inflight.fetch_sub(1);
  }

  void Deliver(const std::vector<unsigned char>& bytes) {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const auto elapsedMs =
        (std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() - startNs.load()) / 1000000;
    const auto stamp = static_cast<std::uintptr_t>(std::max<std::int64_t>(0, elapsedMs));
    if (bytes[0] != 0xF0) {
      std::uint32_t packed = 0;
      for (std::size_t i = 0; i < std::min<std::size_t>(bytes.size(), 3); ++i)
        packed |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
      if (callback) callback(Handle(), MIM_DATA, instance, packed, stamp);
      return;
    }
    LongHeader* header = queue.Pop();
    if (!header) return;  // no buffer waiting: the message is lost
    const std::size_t fits = std::min<std::size_t>(bytes.size(), header->bufferLength);
    std::memcpy(header->data, bytes.data(), fits);
    header->bytesRecorded = static_cast<std::uint32_t>(fits);
    MarkDone(header);
    const std::uint32_t code = fits < bytes.size() ? MIM_LONGERROR : MIM_LONGDATA;
    if (callback) callback(Handle(), code, instance, reinterpret_cast<std::uintptr_t>(header), stamp);
  }

  // Keeps RtMidi's thread out of Deliver from now on.
  void Stop() {
    started.store(false);
    while (inflight.load() != 0) std::this_thread::yield();
  }
};

struct OutPort {
  Callback callback = nullptr;
  std::uintptr_t instance = 0;
  ErrorSink errors;
  std::unique_ptr<RtMidiOut> midi;

  DeviceHandle Handle() const { return reinterpret_cast<DeviceHandle>(this); }

  Result Send(const unsigned char* bytes, std::size_t size) {
    errors.Clear();
    try {
      midi->sendMessage(bytes, size);
    } catch (const RtMidiError&) {
      return kErrDeviceGone;
    }
    return errors.Any() ? Result{kErrDeviceGone} : kOk;
  }
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

  std::mutex mutex;  // the open ports
  std::vector<std::unique_ptr<InPort>> ins;
  std::vector<std::unique_ptr<OutPort>> outs;

  InPort* FindIn(DeviceHandle handle) {
    std::lock_guard lock(mutex);
    for (auto& port : ins)
      if (port->Handle() == handle) return port.get();
    return nullptr;
  }
  OutPort* FindOut(DeviceHandle handle) {
    std::lock_guard lock(mutex);
    for (auto& port : outs)
      if (port->Handle() == handle) return port.get();
    return nullptr;
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
  unsigned InCount() { return Reached() && inList ? Count(*inList, inListErrors) : 0; }
  unsigned OutCount() { return Reached() && outList ? Count(*outList, outListErrors) : 0; }

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
      auto out = std::make_unique<RtMidiOut>(tryApi, ClientName("Lintra Out"));
      auto in = std::make_unique<RtMidiIn>(tryApi, ClientName("Lintra In"));
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

RtMidiService::~RtMidiService() {
  for (auto& port : impl_->ins) {
    port->Stop();
    port->midi.reset();
  }
  for (auto& port : impl_->outs) port->midi.reset();
}

std::string RtMidiService::ApiName() const { return impl_->available ? ApiLabel(impl_->api) : "none"; }

// --- output ----------------------------------------------------------------

unsigned RtMidiService::OutGetNumDevs() { return impl_->OutCount(); }

Result RtMidiService::OutGetDevCaps(int id, OutCaps& caps) {
  if (id < 0 || static_cast<unsigned>(id) >= impl_->OutCount()) return kErrBadDeviceId;
  caps = OutCaps{};
  caps.productName = CutName(impl_->outList->getPortName(static_cast<unsigned>(id)));
  caps.driverVersion = kDriverVersion;
  caps.technology = kTechMidiPort;
  caps.channelMask = 0xFFFF;
  return kOk;
}

Result RtMidiService::OutOpen(DeviceHandle& handle, int id, Callback callback, std::uintptr_t instance) {
  handle = kNoHandle;
  if (id < 0 || static_cast<unsigned>(id) >= impl_->OutCount()) return kErrBadDeviceId;
  auto port = std::make_unique<OutPort>();
  port->callback = callback;
  port->instance = instance;
  try {
    port->midi = std::make_unique<RtMidiOut>(impl_->api, ClientName("Lintra Out"));
  } catch (const RtMidiError&) {
    return kErrNoDriver;
  }
  port->midi->setErrorCallback(&ErrorSink::Record, &port->errors);
  port->midi->openPort(static_cast<unsigned>(id), "Lintra Out");
  if (port->errors.Failed() || !port->midi->isPortOpen()) return OpenFailure(port->errors.type);
  handle = port->Handle();
  {
    std::lock_guard lock(impl_->mutex);
    impl_->outs.push_back(std::move(port));
  }
  if (callback) callback(handle, MOM_OPEN, instance, 0, 0);
  return kOk;
}

Result RtMidiService::OutClose(DeviceHandle handle) {
  std::unique_ptr<OutPort> closing;
  {
    std::lock_guard lock(impl_->mutex);
    auto it =
        std::find_if(impl_->outs.begin(), impl_->outs.end(), [handle](const auto& p) { return p->Handle() == handle; });
    if (it == impl_->outs.end()) return kErrInvalidHandle;
    closing = std::move(*it);
    impl_->outs.erase(it);
  }
  closing->midi.reset();
  if (closing->callback) closing->callback(handle, MOM_CLOSE, closing->instance, 0, 0);
  return kOk;
}

Result RtMidiService::OutShortMsg(DeviceHandle handle, std::uint32_t packed) {
  OutPort* port = impl_->FindOut(handle);
  if (!port) return kErrInvalidHandle;
  const auto status = static_cast<std::uint8_t>(packed & 0xFF);
  const int length = ShortMessageLength(status);
  if (length == 0) return kErrInvalParam;
  // Data bytes are 7 bits on the wire: a larger value would read as a status.
  const unsigned char bytes[3] = {status, static_cast<unsigned char>((packed >> 8) & 0x7F),
                                  static_cast<unsigned char>((packed >> 16) & 0x7F)};
  return port->Send(bytes, static_cast<std::size_t>(length));
}

Result RtMidiService::OutPrepareHeader(DeviceHandle handle, LongHeader* header) {
  if (!impl_->FindOut(handle)) return kErrInvalidHandle;
  return PrepareHeader(header);
}

Result RtMidiService::OutLongMsg(DeviceHandle handle, LongHeader* header) {
  OutPort* port = impl_->FindOut(handle);
  if (!port) return kErrInvalidHandle;
  if (const Result playable = CheckPlayable(header); playable != kOk) return playable;
  if (header->bufferLength > 0) {
    const Result result = port->Send(header->data, header->bufferLength);
    if (result != kOk) return result;
  }
  MarkDone(header);
  if (port->callback) port->callback(handle, MOM_DONE, port->instance, reinterpret_cast<std::uintptr_t>(header), 0);
  return kOk;
}

Result RtMidiService::OutUnprepareHeader(DeviceHandle handle, LongHeader* header) {
  if (!impl_->FindOut(handle)) return kErrInvalidHandle;
  return UnprepareHeader(header);
}

Result RtMidiService::OutGetErrorText(Result code, std::string& text) {
  if (StandardResultText(code, text)) return kOk;
  if (code == kErrOpenFailed) {
    text = "The device could not be opened; another program may be using it.";
    return kOk;
  }
  return kErrInvalParam;
}

// --- input -----------------------------------------------------------------

unsigned RtMidiService::InGetNumDevs() { return impl_->InCount(); }

Result RtMidiService::InGetDevCaps(unsigned id, InCaps& caps) {
  if (id >= impl_->InCount()) return kErrBadDeviceId;
  caps = InCaps{};
  caps.productName = CutName(impl_->inList->getPortName(id));
  caps.driverVersion = kDriverVersion;
  return kOk;
}

Result RtMidiService::InOpen(DeviceHandle& handle, unsigned id, Callback callback, std::uintptr_t instance) {
  handle = kNoHandle;
  if (id >= impl_->InCount()) return kErrBadDeviceId;
  auto port = std::make_unique<InPort>();
  port->callback = callback;
  port->instance = instance;
  try {
    port->midi = std::make_unique<RtMidiIn>(impl_->api, ClientName("Lintra In"));
  } catch (const RtMidiError&) {
    return kErrNoDriver;
  }
  port->midi->setErrorCallback(&ErrorSink::Record, &port->errors);
  // System exclusive is wanted; clock and active sensing pass too, the
  // input component decides what to do with them.
  port->midi->ignoreTypes(false, false, false);
  port->midi->setCallback(&InPort::OnMessage, port.get());
  port->midi->openPort(id, "Lintra In");
  if (port->errors.Failed() || !port->midi->isPortOpen()) return OpenFailure(port->errors.type);
  handle = port->Handle();
  {
    std::lock_guard lock(impl_->mutex);
    impl_->ins.push_back(std::move(port));
  }
  if (callback) callback(handle, MIM_OPEN, instance, 0, 0);
  return kOk;
}

Result RtMidiService::InStart(DeviceHandle handle) {
  InPort* port = impl_->FindIn(handle);
  if (!port) return kErrInvalidHandle;
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  port->startNs.store(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
  port->started.store(true);
  return kOk;
}

Result RtMidiService::InReset(DeviceHandle handle) {
  InPort* port = impl_->FindIn(handle);
  if (!port) return kErrInvalidHandle;
  port->Stop();
  while (LongHeader* header = port->queue.Pop()) {
    header->bytesRecorded = 0;
    MarkDone(header);
    if (port->callback)
      port->callback(handle, MIM_LONGDATA, port->instance, reinterpret_cast<std::uintptr_t>(header), 0);
  }
  return kOk;
}

Result RtMidiService::InClose(DeviceHandle handle) {
  std::unique_ptr<InPort> closing;
  {
    std::lock_guard lock(impl_->mutex);
    auto it =
        std::find_if(impl_->ins.begin(), impl_->ins.end(), [handle](const auto& p) { return p->Handle() == handle; });
    if (it == impl_->ins.end()) return kErrInvalidHandle;
    // Buffers still queued belong to the caller: they must come back first.
    if (!(*it)->queue.Empty()) return kErrStillPlaying;
    closing = std::move(*it);
    impl_->ins.erase(it);
  }
  closing->Stop();
  closing->midi.reset();
  if (closing->callback) closing->callback(handle, MIM_CLOSE, closing->instance, 0, 0);
  return kOk;
}

Result RtMidiService::InPrepareHeader(DeviceHandle handle, LongHeader* header) {
  if (!impl_->FindIn(handle)) return kErrInvalidHandle;
  // A buffer of no bytes could never take a message.
  if (header && header->bufferLength == 0) return kErrInvalParam;
  return PrepareHeader(header);
}

Result RtMidiService::InAddBuffer(DeviceHandle handle, LongHeader* header) {
  InPort* port = impl_->FindIn(handle);
  if (!port) return kErrInvalidHandle;
  if (header && header->bufferLength == 0) return kErrInvalParam;
  if (const Result queued = QueueHeader(header); queued != kOk) return queued;
  if (!port->queue.Push(header)) {
    UnqueueHeader(header);
    return kErrNoMem;
  }
  return kOk;
}

Result RtMidiService::InUnprepareHeader(DeviceHandle handle, LongHeader* header) {
  if (!impl_->FindIn(handle)) return kErrInvalidHandle;
  return UnprepareHeader(header);
}

Result RtMidiService::InGetErrorText(Result code, std::string& text) { return OutGetErrorText(code, text); }

}  // namespace lintra::midi

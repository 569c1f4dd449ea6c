#include "testing/fake_midi_service.h"

#include <algorithm>
#include <thread>

#include "midi/result_texts.h"

namespace lintra::midi {

namespace {
constexpr std::size_t kMaxNameLength = 31;  // the capability record's limit

std::uint32_t Elapsed(std::chrono::steady_clock::time_point since) {
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - since).count());
}
}  // namespace

void FakeMidiService::SetInputDevices(std::vector<std::string> names) {
  std::lock_guard lock(mutex_);
  MarkUnplugged(true, names);
  inputs_ = std::move(names);
}

void FakeMidiService::SetOutputDevices(std::vector<std::string> names) {
  std::lock_guard lock(mutex_);
  MarkUnplugged(false, names);
  outputs_ = std::move(names);
}

void FakeMidiService::MarkUnplugged(bool input, const std::vector<std::string>& names) {
  for (auto& [handle, port] : ports_) {
    if (port.input == input && port.device >= 0 && std::find(names.begin(), names.end(), port.name) == names.end())
      port.gone = true;
  }
}

std::vector<FakeMidiService::SentMessage> FakeMidiService::Sent() const {
  std::lock_guard lock(mutex_);
  return sent_;
}

void FakeMidiService::ClearSent() {
  std::lock_guard lock(mutex_);
  sent_.clear();
}

void FakeMidiService::Fail(Op op, Result code, bool once) {
  std::lock_guard lock(mutex_);
  faults_[static_cast<std::size_t>(op)] = Fault{code, once};
}

void FakeMidiService::FailOutCaps(int id, Result code) {
  std::lock_guard lock(mutex_);
  outCapsFaults_[id] = code;
}

void FakeMidiService::FailInCaps(unsigned id, Result code) {
  std::lock_guard lock(mutex_);
  inCapsFaults_[id] = code;
}

void FakeMidiService::ClearFaults() {
  std::lock_guard lock(mutex_);
  faults_.fill(std::nullopt);
  outCapsFaults_.clear();
  inCapsFaults_.clear();
}

void FakeMidiService::Vanish() {
  std::lock_guard lock(mutex_);
  for (auto& [handle, port] : ports_) port.gone = true;
}

unsigned FakeMidiService::Calls(Op op) const {
  std::lock_guard lock(mutex_);
  return calls_[static_cast<std::size_t>(op)];
}

std::size_t FakeMidiService::QueuedInputBuffers() const {
  std::lock_guard lock(mutex_);
  std::size_t total = 0;
  for (const auto& [handle, port] : ports_) total += port.queue.size();
  return total;
}

bool FakeMidiService::HasOpenInput() const {
  std::lock_guard lock(mutex_);
  return std::any_of(ports_.begin(), ports_.end(), [](const auto& p) { return p.second.input; });
}

bool FakeMidiService::HasOpenOutput() const {
  std::lock_guard lock(mutex_);
  return std::any_of(ports_.begin(), ports_.end(), [](const auto& p) { return !p.second.input; });
}

Result FakeMidiService::Enter(Op op) {
  ++calls_[static_cast<std::size_t>(op)];
  auto& fault = faults_[static_cast<std::size_t>(op)];
  if (!fault) return kOk;
  const Result code = fault->code;
  if (fault->once) fault.reset();
  return code;
}

Result FakeMidiService::Find(DeviceHandle handle, bool input, Port*& port) {
  const auto it = ports_.find(handle);
  if (it == ports_.end() || it->second.input != input) return kErrInvalidHandle;
  if (it->second.gone) return kErrDeviceGone;
  port = &it->second;
  return kOk;
}

Result FakeMidiService::Open(DeviceHandle& handle, bool input, int id, Callback callback, std::uintptr_t instance) {
  std::unique_lock lock(mutex_);
  if (const Result fault = Enter(input ? Op::InOpen : Op::OutOpen); fault != kOk) return fault;
  const auto& names = input ? inputs_ : outputs_;
  const bool valid = (!input && id == kMidiMapper) || (id >= 0 && static_cast<std::size_t>(id) < names.size());
  if (!valid) return kErrBadDeviceId;
  handle = nextHandle_++;
  Port& port = ports_[handle];
  port.input = input;
  port.device = id;
  if (id >= 0) port.name = names[static_cast<std::size_t>(id)];
  port.callback = callback;
  port.instance = instance;
  lock.unlock();
  if (callback) callback(handle, input ? MIM_OPEN : MOM_OPEN, instance, 0, 0);
  return kOk;
}

void FakeMidiService::Record(std::unique_lock<std::mutex>& lock, SentMessage message) {
  sent_.push_back(message);
  lock.unlock();  // the observer may look at the fake again
  if (OnSend) OnSend(message);
}

// ---- output ----

unsigned FakeMidiService::OutGetNumDevs() {
  std::lock_guard lock(mutex_);
  return static_cast<unsigned>(outputs_.size());
}

Result FakeMidiService::OutGetDevCaps(int id, OutCaps& caps) {
  std::lock_guard lock(mutex_);
  if (const auto it = outCapsFaults_.find(id); it != outCapsFaults_.end()) return it->second;
  if (id == kMidiMapper) {
    caps = OutCaps{};
    caps.productName = kMapperName;
    return kOk;
  }
  if (id < 0 || static_cast<std::size_t>(id) >= outputs_.size()) return kErrBadDeviceId;
  caps = OutCaps{};
  caps.productName = outputs_[static_cast<std::size_t>(id)].substr(0, kMaxNameLength);
  caps.technology = 1;
  caps.voices = 16;
  caps.notes = 128;
  caps.channelMask = 0xFFFF;
  return kOk;
}

Result FakeMidiService::OutOpen(DeviceHandle& handle, int id, Callback callback, std::uintptr_t instance) {
  return Open(handle, false, id, callback, instance);
}

Result FakeMidiService::OutClose(DeviceHandle handle) {
  std::unique_lock lock(mutex_);
  if (const Result fault = Enter(Op::OutClose); fault != kOk) return fault;
  Port* port = nullptr;
  if (const Result found = Find(handle, false, port); found != kOk) return found;
  const Port closed = *port;
  ports_.erase(handle);
  lock.unlock();
  if (closed.callback) closed.callback(handle, MOM_CLOSE, closed.instance, 0, 0);
  return kOk;
}

Result FakeMidiService::OutShortMsg(DeviceHandle handle, std::uint32_t packed) {
  std::unique_lock lock(mutex_);
  if (const Result fault = Enter(Op::OutShort); fault != kOk) return fault;
  Port* port = nullptr;
  if (const Result found = Find(handle, false, port); found != kOk) return found;
  Record(lock, SentMessage{handle, port->device, packed, {}});
  return kOk;
}

Result FakeMidiService::OutPrepareHeader(DeviceHandle handle, LongHeader* header) {
  std::lock_guard lock(mutex_);
  if (const Result fault = Enter(Op::OutPrepare); fault != kOk) return fault;
  Port* port = nullptr;
  if (const Result found = Find(handle, false, port); found != kOk) return found;
  return PrepareHeader(header);
}

Result FakeMidiService::OutLongMsg(DeviceHandle handle, LongHeader* header) {
  std::unique_lock lock(mutex_);
  if (const Result fault = Enter(Op::OutLong); fault != kOk) return fault;
  Port* port = nullptr;
  if (const Result found = Find(handle, false, port); found != kOk) return found;
  if (const Result playable = CheckPlayable(header); playable != kOk) return playable;
  MarkDone(header);
  const Callback callback = port->callback;
  const std::uintptr_t instance = port->instance;
  Record(lock, SentMessage{handle, port->device, 0,
                           std::vector<std::uint8_t>(header->data, header->data + header->bufferLength)});
  // Played at once: the device hands the header back on the caller's thread.
  if (callback) callback(handle, MOM_DONE, instance, reinterpret_cast<std::uintptr_t>(header), 0);
  return kOk;
}

Result FakeMidiService::OutUnprepareHeader(DeviceHandle handle, LongHeader* header) {
  std::lock_guard lock(mutex_);
  if (const Result fault = Enter(Op::OutUnprepare); fault != kOk) return fault;
  Port* port = nullptr;
  if (const Result found = Find(handle, false, port); found != kOk) return found;
  return UnprepareHeader(header);
}

Result FakeMidiService::OutGetErrorText(Result code, std::string& text) {
  return StandardResultText(code, text) ? kOk : kUnknownCode;
}

// ---- input ----

unsigned FakeMidiService::InGetNumDevs() {
  std::lock_guard lock(mutex_);
  return static_cast<unsigned>(inputs_.size());
}

Result FakeMidiService::InGetDevCaps(unsigned id, InCaps& caps) {
  std::lock_guard lock(mutex_);
  if (const auto it = inCapsFaults_.find(id); it != inCapsFaults_.end()) return it->second;
  if (id >= inputs_.size()) return kErrBadDeviceId;
  caps = InCaps{};
  caps.productName = inputs_[id].substr(0, kMaxNameLength);
  caps.manufacturerId = 0xFF;
  caps.productId = static_cast<std::uint16_t>(id + 1);
  return kOk;
}

Result FakeMidiService::InOpen(DeviceHandle& handle, unsigned id, Callback callback, std::uintptr_t instance) {
  return Open(handle, true, static_cast<int>(id), callback, instance);
}

Result FakeMidiService::InStart(DeviceHandle handle) {
  std::lock_guard lock(mutex_);
  if (const Result fault = Enter(Op::InStart); fault != kOk) return fault;
  Port* port = nullptr;
  if (const Result found = Find(handle, true, port); found != kOk) return found;
  port->started = true;
  port->startTime = std::chrono::steady_clock::now();
  return kOk;
}

Result FakeMidiService::InReset(DeviceHandle handle) {
  std::unique_lock lock(mutex_);
  if (const Result fault = Enter(Op::InReset); fault != kOk) return fault;
  Port* port = nullptr;
  if (const Result found = Find(handle, true, port); found != kOk) return found;
  port->started = false;
  std::deque<LongHeader*> returned;
  returned.swap(port->queue);
  const Callback callback = port->callback;
  const std::uintptr_t instance = port->instance;
  const std::uint32_t timestamp = Elapsed(port->startTime);
  for (LongHeader* header : returned) {
    header->bytesRecorded = 0;
    MarkDone(header);
  }
  lock.unlock();
  for (LongHeader* header : returned)
    if (callback) callback(handle, MIM_LONGDATA, instance, reinterpret_cast<std::uintptr_t>(header), timestamp);
  return kOk;
}

Result FakeMidiService::InClose(DeviceHandle handle) {
  std::unique_lock lock(mutex_);
  if (const Result fault = Enter(Op::InClose); fault != kOk) return fault;
  Port* port = nullptr;
  if (const Result found = Find(handle, true, port); found != kOk) return found;
  if (!port->queue.empty()) return kErrStillPlaying;
  const Port closed = *port;
  ports_.erase(handle);
  lock.unlock();
  if (closed.callback) closed.callback(handle, MIM_CLOSE, closed.instance, 0, 0);
  return kOk;
}

Result FakeMidiService::InPrepareHeader(DeviceHandle handle, LongHeader* header) {
  std::lock_guard lock(mutex_);
  if (const Result fault = Enter(Op::InPrepare); fault != kOk) return fault;
  Port* port = nullptr;
  if (const Result found = Find(handle, true, port); found != kOk) return found;
  return PrepareHeader(header);
}

Result FakeMidiService::InAddBuffer(DeviceHandle handle, LongHeader* header) {
  std::lock_guard lock(mutex_);
  if (const Result fault = Enter(Op::InAddBuffer); fault != kOk) return fault;
  Port* port = nullptr;
  if (const Result found = Find(handle, true, port); found != kOk) return found;
  if (const Result queued = QueueHeader(header); queued != kOk) return queued;
  port->queue.push_back(header);
  return kOk;
}

Result FakeMidiService::InUnprepareHeader(DeviceHandle handle, LongHeader* header) {
  std::lock_guard lock(mutex_);
  if (const Result fault = Enter(Op::InUnprepare); fault != kOk) return fault;
  Port* port = nullptr;
  if (const Result found = Find(handle, true, port); found != kOk) return found;
  return UnprepareHeader(header);
}

Result FakeMidiService::InGetErrorText(Result code, std::string& text) {
  return StandardResultText(code, text) ? kOk : kUnknownCode;
}

// ---- injection ----

std::optional<FakeMidiService::Delivery> FakeMidiService::OpenInputDelivery() {
  // The most recently opened input that is running.
  for (auto it = ports_.rbegin(); it != ports_.rend(); ++it) {
    const Port& port = it->second;
    if (port.input && port.started && !port.gone)
      return Delivery{it->first, port.callback, port.instance, Elapsed(port.startTime)};
  }
  return std::nullopt;
}

bool FakeMidiService::DeliverShortHere(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
  std::unique_lock lock(mutex_);
  const auto delivery = OpenInputDelivery();
  lock.unlock();
  if (!delivery || !delivery->callback) return false;
  const std::uint32_t packed =
      status | static_cast<std::uint32_t>(data1) << 8 | static_cast<std::uint32_t>(data2) << 16;
  delivery->callback(delivery->handle, MIM_DATA, delivery->instance, packed, delivery->timestamp);
  return true;
}

bool FakeMidiService::InjectShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
  bool delivered = false;
  std::thread device([&] { delivered = DeliverShortHere(status, data1, data2); });
  device.join();
  return delivered;
}

bool FakeMidiService::InjectSysex(const std::vector<std::uint8_t>& bytes) {
  std::unique_lock lock(mutex_);
  const auto delivery = OpenInputDelivery();
  if (!delivery || !delivery->callback) return false;
  Port& port = ports_.at(delivery->handle);
  if (port.queue.empty()) return false;  // no buffer: the device drops it
  LongHeader* header = port.queue.front();
  port.queue.pop_front();
  lock.unlock();
  std::thread device([&] {
    // The buffer now belongs to this thread until the callback has it.
    const std::size_t fits = std::min<std::size_t>(bytes.size(), header->bufferLength);
    std::copy_n(bytes.begin(), fits, header->data);
    header->bytesRecorded = static_cast<std::uint32_t>(fits);
    MarkDone(header);
    const std::uint32_t code = fits < bytes.size() ? MIM_LONGERROR : MIM_LONGDATA;
    delivery->callback(delivery->handle, code, delivery->instance, reinterpret_cast<std::uintptr_t>(header),
                       delivery->timestamp);
  });
  device.join();
  return true;
}

}  // namespace lintra::midi

#include "testing/fake_midi_service.h"

#include <algorithm>
#include <thread>

namespace lintra::midi {

namespace {
constexpr std::size_t kMaxNameLength = 31;  // the capability record's limit
}  // namespace

class FakeMidiService::Output final : public OutputConnection {
 public:
  Output(FakeMidiService& fake, int key) : fake_(fake), key_(key) {}
  ~Output() override { fake_.Close(key_, false); }
  Result Send(ShortMessage message) override { return fake_.Send(key_, Op::OutShort, {0, Packed(message), {}}); }
  Result SendSysex(std::span<const std::uint8_t> bytes) override {
    return fake_.Send(key_, Op::OutLong, {0, 0, {bytes.begin(), bytes.end()}});
  }
  Result Close() override { return fake_.Close(key_, true); }

 private:
  FakeMidiService& fake_;
  const int key_;
};

class FakeMidiService::Input final : public InputConnection {
 public:
  Input(FakeMidiService& fake, int key) : fake_(fake), key_(key) {}
  ~Input() override { fake_.Close(key_, false); }
  Result Close() override { return fake_.Close(key_, true); }

 private:
  FakeMidiService& fake_;
  const int key_;
};

void FakeMidiService::SetInputDevices(std::vector<std::string> names) {
  std::lock_guard lock(mutex_);
  MarkUnplugged(true, names);
  CountComings(inputs_, names, inGenerations_);
  inputs_ = std::move(names);
}

void FakeMidiService::SetOutputDevices(std::vector<std::string> names) {
  std::lock_guard lock(mutex_);
  MarkUnplugged(false, names);
  CountComings(outputs_, names, outGenerations_);
  outputs_ = std::move(names);
}

void FakeMidiService::CountComings(const std::vector<std::string>& before, const std::vector<std::string>& now,
                                   std::map<std::string, PortGeneration>& generations) {
  for (const auto& name : now) {
    if (std::find(before.begin(), before.end(), name) == before.end()) ++generations[name];
  }
}

void FakeMidiService::MarkUnplugged(bool input, const std::vector<std::string>& names) {
  for (auto& [key, port] : ports_) {
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
  for (auto& [key, port] : ports_) port.gone = true;
}

unsigned FakeMidiService::Calls(Op op) const {
  std::lock_guard lock(mutex_);
  return calls_[static_cast<std::size_t>(op)];
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

Result FakeMidiService::Open(bool input, int id, InputListener* listener, int& key) {
  std::lock_guard lock(mutex_);
  if (const Result fault = Enter(input ? Op::InOpen : Op::OutOpen); fault != kOk) return fault;
  const auto& names = input ? inputs_ : outputs_;
  const bool valid = (!input && id == kMidiMapper) || (id >= 0 && static_cast<std::size_t>(id) < names.size());
  if (!valid) return kErrBadDeviceId;
  key = nextKey_++;
  Port& port = ports_[key];
  port.input = input;
  port.device = id;
  if (id >= 0) port.name = names[static_cast<std::size_t>(id)];
  port.listener = listener;
  return kOk;
}

Result FakeMidiService::Send(int key, Op op, SentMessage message) {
  std::unique_lock lock(mutex_);
  if (const Result fault = Enter(op); fault != kOk) return fault;
  const auto it = ports_.find(key);
  if (it == ports_.end()) return kErrInvalidHandle;
  if (it->second.gone) return kErrDeviceGone;
  message.device = it->second.device;
  sent_.push_back(message);
  lock.unlock();  // the observer may look at the fake again
  if (OnSend) OnSend(message);
  return kOk;
}

Result FakeMidiService::Close(int key, bool faults) {
  std::unique_lock lock(mutex_);
  const auto it = ports_.find(key);
  if (it == ports_.end()) return kErrInvalidHandle;
  if (faults) {
    if (const Result fault = Enter(it->second.input ? Op::InClose : Op::OutClose); fault != kOk) return fault;
  }
  // No listener call may run once the port is closed.
  idle_.wait(lock, [&] { return it->second.delivering == 0; });
  const bool gone = it->second.gone;
  ports_.erase(it);
  return gone ? Result{kErrDeviceGone} : kOk;
}

// ---- output ----

unsigned FakeMidiService::OutputCount() {
  std::lock_guard lock(mutex_);
  return static_cast<unsigned>(outputs_.size());
}

Result FakeMidiService::DescribeOutput(int port, OutCaps& caps) {
  std::lock_guard lock(mutex_);
  if (const auto it = outCapsFaults_.find(port); it != outCapsFaults_.end()) return it->second;
  if (port == kMidiMapper) {
    caps = OutCaps{};
    caps.productName = kMapperName;
    return kOk;
  }
  if (port < 0 || static_cast<std::size_t>(port) >= outputs_.size()) return kErrBadDeviceId;
  caps = OutCaps{};
  caps.productName = outputs_[static_cast<std::size_t>(port)].substr(0, kMaxNameLength);
  caps.generation = outGenerations_[outputs_[static_cast<std::size_t>(port)]];
  caps.technology = 1;
  caps.voices = 16;
  caps.notes = 128;
  caps.channelMask = 0xFFFF;
  return kOk;
}

Result FakeMidiService::OpenOutput(int port, std::unique_ptr<OutputConnection>& connection) {
  int key = 0;
  if (const Result opened = Open(false, port, nullptr, key); opened != kOk) return opened;
  connection = std::make_unique<Output>(*this, key);
  return kOk;
}

// ---- input ----

unsigned FakeMidiService::InputCount() {
  std::lock_guard lock(mutex_);
  return static_cast<unsigned>(inputs_.size());
}

Result FakeMidiService::DescribeInput(unsigned port, InCaps& caps) {
  std::lock_guard lock(mutex_);
  if (const auto it = inCapsFaults_.find(port); it != inCapsFaults_.end()) return it->second;
  if (port >= inputs_.size()) return kErrBadDeviceId;
  caps = InCaps{};
  caps.productName = inputs_[port].substr(0, kMaxNameLength);
  caps.generation = inGenerations_[inputs_[port]];
  caps.manufacturerId = 0xFF;
  caps.productId = static_cast<std::uint16_t>(port + 1);
  return kOk;
}

Result FakeMidiService::OpenInput(unsigned port, InputListener& listener,
                                  std::unique_ptr<InputConnection>& connection) {
  int key = 0;
  if (const Result opened = Open(true, static_cast<int>(port), &listener, key); opened != kOk) return opened;
  connection = std::make_unique<Input>(*this, key);
  return kOk;
}

// ---- delivery ----

bool FakeMidiService::Deliver(std::span<const std::uint8_t> message) {
  std::unique_lock lock(mutex_);
  // The most recently opened input that is still there.
  const auto it =
      std::find_if(ports_.rbegin(), ports_.rend(), [](const auto& p) { return p.second.input && !p.second.gone; });
  if (it == ports_.rend()) return false;
  Port& port = it->second;
  ++port.delivering;
  lock.unlock();
  port.listener->Received(message);
  lock.lock();
  --port.delivering;
  idle_.notify_all();
  return true;
}

bool FakeMidiService::DeliverFromAnotherThread(std::span<const std::uint8_t> message) {
  bool delivered = false;
  std::thread device([&] { delivered = Deliver(message); });
  device.join();
  return delivered;
}

bool FakeMidiService::DeliverShortHere(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
  const std::uint8_t bytes[] = {status, data1, data2};
  return Deliver(bytes);
}

bool FakeMidiService::InjectShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
  const std::uint8_t bytes[] = {status, data1, data2};
  return DeliverFromAnotherThread(bytes);
}

bool FakeMidiService::InjectSysex(const std::vector<std::uint8_t>& bytes) { return DeliverFromAnotherThread(bytes); }

}  // namespace lintra::midi

#include "midi/input_device_adapter.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

#include "midi/message_bytes.h"
#include "midi/result_texts.h"

namespace lintra::midi {
namespace {

// Buffers queued on the user-interface thread and taken, oldest first, on
// the port's thread (or by a reset once that thread is held off).  The
// taking side uses compare-and-swap, so two takers never get the same one.
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

  std::size_t Size() const { return tail_.load(std::memory_order_acquire) - head_.load(std::memory_order_acquire); }

 private:
  std::array<std::atomic<LongHeader*>, kCapacity> slots_{};
  std::atomic<std::size_t> head_{0};
  std::atomic<std::size_t> tail_{0};
};

std::int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

// The port's listener.  Its thread only packs the message, or copies it into
// the oldest queued buffer, and calls the callback: no allocation, no lock.
class InputDeviceAdapter::Device final : public InputListener {
 public:
  Device(DeviceHandle handle, Callback callback, std::uintptr_t instance)
      : handle_(handle), callback_(callback), instance_(instance) {}
  ~Device() { connection.reset(); }  // the port's thread stops before anything it uses goes

  void Received(std::span<const std::uint8_t> message) noexcept override {
    inflight_.fetch_add(1);
    if (started_.load() && !message.empty()) Deliver(message);
    inflight_.fetch_sub(1);
  }

  DeviceHandle Handle() const { return handle_; }
  void Start() {
    startNs_.store(NowNs());
    started_.store(true);
  }
  // Keeps the port's thread out of Deliver from now on.
  void Stop() {
    started_.store(false);
    while (inflight_.load() != 0) std::this_thread::yield();
  }
  // Every queued buffer goes back, empty, as the classic reset hands them back.
  void ReturnBuffers() {
    while (LongHeader* header = queue.Pop()) {
      header->bytesRecorded = 0;
      MarkDone(header);
      Notify(MIM_LONGDATA, reinterpret_cast<std::uintptr_t>(header), 0);
    }
  }
  void Notify(std::uint32_t message, std::uintptr_t p1, std::uintptr_t p2) const {
    if (callback_) callback_(handle_, message, instance_, p1, p2);
  }

  HeaderQueue queue;
  std::unique_ptr<InputConnection> connection;

 private:
  void Deliver(std::span<const std::uint8_t> message) {
    const auto stamp = static_cast<std::uintptr_t>(std::max<std::int64_t>(0, (NowNs() - startNs_.load()) / 1000000));
    if (message[0] != kSysexStart) {
      std::uint32_t packed = 0;
      for (std::size_t i = 0; i < std::min<std::size_t>(message.size(), 3); ++i)
        packed |= static_cast<std::uint32_t>(message[i]) << (8 * i);
      Notify(MIM_DATA, packed, stamp);
      return;
    }
    LongHeader* header = queue.Pop();
    if (!header) return;  // no buffer waiting: the message is lost
    const std::size_t fits = std::min<std::size_t>(message.size(), header->bufferLength);
    std::memcpy(header->data, message.data(), fits);
    header->bytesRecorded = static_cast<std::uint32_t>(fits);
    MarkDone(header);
    const std::uint32_t code = fits < message.size() ? MIM_LONGERROR : MIM_LONGDATA;
    Notify(code, reinterpret_cast<std::uintptr_t>(header), stamp);
  }

  const DeviceHandle handle_;
  const Callback callback_;
  const std::uintptr_t instance_;
  std::atomic<bool> started_{false};
  std::atomic<int> inflight_{0};
  std::atomic<std::int64_t> startNs_{0};
};

InputDeviceAdapter::InputDeviceAdapter(MidiInputService& ports) : ports_(ports) {}

InputDeviceAdapter::~InputDeviceAdapter() {
  devices_.ForEach([](Device& device) { device.Stop(); });
  devices_.Clear();
}

unsigned InputDeviceAdapter::InGetNumDevs() { return ports_.InputCount(); }

Result InputDeviceAdapter::InGetDevCaps(unsigned id, InCaps& caps) { return ports_.DescribeInput(id, caps); }

Result InputDeviceAdapter::InOpen(DeviceHandle& handle, unsigned id, Callback callback, std::uintptr_t instance) {
  handle = kNoHandle;
  auto device = std::make_unique<Device>(devices_.NewHandle(), callback, instance);
  // Until it is started the port's messages are dropped, so the listener may hear from it at once.
  if (const Result opened = ports_.OpenInput(id, *device, device->connection); opened != kOk) return opened;
  const Device& added = *device;
  handle = added.Handle();
  devices_.Add(handle, std::move(device));
  added.Notify(MIM_OPEN, 0, 0);
  return kOk;
}

Result InputDeviceAdapter::InStart(DeviceHandle handle) {
  Device* device = devices_.Find(handle);
  if (!device) return kErrInvalidHandle;
  device->Start();
  return kOk;
}

Result InputDeviceAdapter::InReset(DeviceHandle handle) {
  Device* device = devices_.Find(handle);
  if (!device) return kErrInvalidHandle;
  device->Stop();
  device->ReturnBuffers();
  return kOk;
}

Result InputDeviceAdapter::InClose(DeviceHandle handle) {
  Device* device = devices_.Find(handle);
  if (!device) return kErrInvalidHandle;
  // Buffers still queued belong to the caller: they must come back first.
  if (device->queue.Size() > 0) return kErrStillPlaying;
  device->Stop();
  const Result closed = device->connection->Close();
  // A port that has gone is released all the same: its handle names nothing now.
  if (closed != kOk && closed != kErrDeviceGone) return closed;
  device->connection.reset();
  const bool notify = closed == kOk;
  if (notify) device->Notify(MIM_CLOSE, 0, 0);
  devices_.Remove(handle);
  return closed;
}

Result InputDeviceAdapter::InPrepareHeader(DeviceHandle handle, LongHeader* header) {
  if (!devices_.Find(handle)) return kErrInvalidHandle;
  // A buffer of no bytes could never take a message.
  if (header && header->bufferLength == 0) return kErrInvalParam;
  return PrepareHeader(header);
}

Result InputDeviceAdapter::InAddBuffer(DeviceHandle handle, LongHeader* header) {
  Device* device = devices_.Find(handle);
  if (!device) return kErrInvalidHandle;
  if (header && header->bufferLength == 0) return kErrInvalParam;
  if (const Result queued = QueueHeader(header); queued != kOk) return queued;
  if (!device->queue.Push(header)) {
    UnqueueHeader(header);
    return kErrNoMem;
  }
  return kOk;
}

Result InputDeviceAdapter::InUnprepareHeader(DeviceHandle handle, LongHeader* header) {
  if (!devices_.Find(handle)) return kErrInvalidHandle;
  return UnprepareHeader(header);
}

Result InputDeviceAdapter::InGetErrorText(Result code, std::string& text) { return ResultText(code, text); }

std::size_t InputDeviceAdapter::QueuedBuffers() const {
  std::size_t total = 0;
  devices_.ForEach([&total](const Device& device) { total += device.queue.Size(); });
  return total;
}

}  // namespace lintra::midi

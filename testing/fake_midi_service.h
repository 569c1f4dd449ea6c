// A MidiService with scripted devices, for tests and the scenario runner.
//
// Output sends are recorded.  Input is injected from a second thread that
// runs the registered callback exactly as a real service's thread would, so
// the real callback, ring and notification path run; the injecting call
// returns once that thread has finished (the notification is then posted).
// Faults can be injected per operation.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "midi/midi_service.h"

namespace lintra::midi {

class FakeMidiService : public MidiService {
 public:
  static constexpr const char* kMapperName = "MIDI Mapper";
  // Returned by the error-text queries for a code they do not know.
  static constexpr Result kUnknownCode = kErrInvalParam;

  enum class Op {
    OutOpen,
    OutClose,
    OutShort,
    OutPrepare,
    OutLong,
    OutUnprepare,
    InOpen,
    InStart,
    InReset,
    InClose,
    InPrepare,
    InAddBuffer,
    InUnprepare,
    kCount
  };

  struct SentMessage {
    DeviceHandle handle = kNoHandle;
    int device = 0;
    std::uint32_t packed = 0;         // short message; 0 for a long one
    std::vector<std::uint8_t> bytes;  // long message; empty for a short one
  };

  // Device names, numbered from 0 in this order.  Changed while devices are
  // open, an open device whose name is no longer listed has been unplugged:
  // later calls on its handle fail with kErrDeviceGone.
  void SetInputDevices(std::vector<std::string> names);
  void SetOutputDevices(std::vector<std::string> names);

  std::vector<SentMessage> Sent() const;
  void ClearSent();
  // Called on the sending thread after each recorded send.
  std::function<void(const SentMessage&)> OnSend;

  // To the most recently opened, started input: false when there is none.
  bool InjectShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);
  // Fills the oldest queued buffer (MIM_LONGERROR and truncated when the
  // message does not fit); false when there is no input or no buffer.
  bool InjectSysex(const std::vector<std::uint8_t>& bytes);
  // As InjectShort, but on the calling thread (for a producer thread of one's own).
  bool DeliverShortHere(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);

  // Every later `op` returns `code` (only the next one when `once`).
  void Fail(Op op, Result code, bool once = false);
  void FailOutCaps(int id, Result code);
  void FailInCaps(unsigned id, Result code);
  void ClearFaults();
  // Every device open now disappears: later calls on its handle fail with kErrDeviceGone.
  void Vanish();

  unsigned Calls(Op op) const;
  std::size_t QueuedInputBuffers() const;
  bool HasOpenInput() const;
  bool HasOpenOutput() const;

  // MidiService
  unsigned OutGetNumDevs() override;
  Result OutGetDevCaps(int id, OutCaps& caps) override;
  Result OutOpen(DeviceHandle& handle, int id, Callback callback, std::uintptr_t instance) override;
  Result OutClose(DeviceHandle handle) override;
  Result OutShortMsg(DeviceHandle handle, std::uint32_t packed) override;
  Result OutPrepareHeader(DeviceHandle handle, LongHeader* header) override;
  Result OutLongMsg(DeviceHandle handle, LongHeader* header) override;
  Result OutUnprepareHeader(DeviceHandle handle, LongHeader* header) override;
  Result OutGetErrorText(Result code, std::string& text) override;
  unsigned InGetNumDevs() override;
  Result InGetDevCaps(unsigned id, InCaps& caps) override;
  Result InOpen(DeviceHandle& handle, unsigned id, Callback callback, std::uintptr_t instance) override;
  Result InStart(DeviceHandle handle) override;
  Result InReset(DeviceHandle handle) override;
  Result InClose(DeviceHandle handle) override;
  Result InPrepareHeader(DeviceHandle handle, LongHeader* header) override;
  Result InAddBuffer(DeviceHandle handle, LongHeader* header) override;
  Result InUnprepareHeader(DeviceHandle handle, LongHeader* header) override;
  Result InGetErrorText(Result code, std::string& text) override;

 private:
  struct Port {
    bool input = false;
    int device = 0;
    std::string name;
    Callback callback = nullptr;
    std::uintptr_t instance = 0;
    bool started = false;
    bool gone = false;
    std::chrono::steady_clock::time_point startTime{};
    std::deque<LongHeader*> queue;
  };
  struct Fault {
    Result code = kOk;
    bool once = false;
  };
  struct Delivery {
    DeviceHandle handle = kNoHandle;
    Callback callback = nullptr;
    std::uintptr_t instance = 0;
    std::uint32_t timestamp = 0;
  };

  // Counts the call and returns the injected fault, if any (lock held).
  Result Enter(Op op);
  void MarkUnplugged(bool input, const std::vector<std::string>& names);
  // The port for `handle`, or the code that the call must return (lock held).
  Result Find(DeviceHandle handle, bool input, Port*& port);
  Result Open(DeviceHandle& handle, bool input, int id, Callback callback, std::uintptr_t instance);
  std::optional<Delivery> OpenInputDelivery();
  // Records a send and tells OnSend, with the lock released.
  void Record(std::unique_lock<std::mutex>& lock, SentMessage message);

  mutable std::mutex mutex_;
  std::vector<std::string> inputs_;
  std::vector<std::string> outputs_;
  std::map<DeviceHandle, Port> ports_;
  DeviceHandle nextHandle_ = 1;
  std::vector<SentMessage> sent_;
  std::array<std::optional<Fault>, static_cast<std::size_t>(Op::kCount)> faults_{};
  std::array<unsigned, static_cast<std::size_t>(Op::kCount)> calls_{};
  std::map<int, Result> outCapsFaults_;
  std::map<unsigned, Result> inCapsFaults_;
};

}  // namespace lintra::midi

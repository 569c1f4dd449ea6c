// A MidiService with scripted ports, for tests and the scenario runner.
//
// Sends are recorded.  Input is delivered from a second thread that calls the
// port's listener exactly as a real port's thread would, so the real device
// calls, callback, ring and notification path run; the delivering call
// returns once that thread has finished (the notification is then posted).
// Faults can be injected per operation.
#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "midi/midi_service.h"

namespace lintra::midi {

class FakeMidiService : public MidiService {
 public:
  static constexpr const char* kMapperName = "MIDI Mapper";

  enum class Op { OutOpen, OutClose, OutShort, OutLong, InOpen, InClose, kCount };

  struct SentMessage {
    int device = 0;
    std::uint32_t packed = 0;         // short message as the device calls pack it; 0 for a long one
    std::vector<std::uint8_t> bytes;  // long message; empty for a short one
  };

  // Port names, numbered from 0 in this order.  Changed while ports are open,
  // an open port whose name is no longer listed has been unplugged: later
  // calls on it fail with kErrDeviceGone.  A name that was not listed before
  // has come once more: its port's generation grows.
  void SetInputDevices(std::vector<std::string> names);
  void SetOutputDevices(std::vector<std::string> names);

  std::vector<SentMessage> Sent() const;
  void ClearSent();
  // Called on the sending thread after each recorded send.
  std::function<void(const SentMessage&)> OnSend;

  // To the most recently opened input still there, from a second thread:
  // false when there is none.
  bool InjectShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);
  bool InjectSysex(const std::vector<std::uint8_t>& bytes);
  // As InjectShort, but on the calling thread (for a producer thread of one's own).
  bool DeliverShortHere(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);

  // Every later `op` returns `code` (only the next one when `once`).
  void Fail(Op op, Result code, bool once = false);
  void FailOutCaps(int id, Result code);
  void FailInCaps(unsigned id, Result code);
  void ClearFaults();
  // Every port open now disappears: later calls on it fail with kErrDeviceGone.
  void Vanish();

  unsigned Calls(Op op) const;
  bool HasOpenInput() const;
  bool HasOpenOutput() const;

  // MidiService
  unsigned OutputCount() override;
  Result DescribeOutput(int port, OutCaps& caps) override;
  Result OpenOutput(int port, std::unique_ptr<OutputConnection>& connection) override;
  unsigned InputCount() override;
  Result DescribeInput(unsigned port, InCaps& caps) override;
  Result OpenInput(unsigned port, InputListener& listener, std::unique_ptr<InputConnection>& connection) override;

 private:
  class Output;
  class Input;
  struct Port {
    bool input = false;
    int device = 0;
    std::string name;
    InputListener* listener = nullptr;
    bool gone = false;
    int delivering = 0;  // listener calls under way
  };
  struct Fault {
    Result code = kOk;
    bool once = false;
  };

  // Counts the call and returns the injected fault, if any (lock held).
  Result Enter(Op op);
  void MarkUnplugged(bool input, const std::vector<std::string>& names);
  static void CountComings(const std::vector<std::string>& before, const std::vector<std::string>& now,
                           std::map<std::string, PortGeneration>& generations);
  Result Open(bool input, int id, InputListener* listener, int& key);
  Result Send(int key, Op op, SentMessage message);
  // `faults` false: the connection is being destroyed and must let go.
  Result Close(int key, bool faults);
  bool Deliver(std::span<const std::uint8_t> message);
  bool DeliverFromAnotherThread(std::span<const std::uint8_t> message);

  mutable std::mutex mutex_;
  std::condition_variable idle_;  // a delivery has ended
  std::vector<std::string> inputs_;
  std::vector<std::string> outputs_;
  std::map<std::string, PortGeneration> inGenerations_;
  std::map<std::string, PortGeneration> outGenerations_;
  std::map<int, Port> ports_;  // open ports by key, in the order they were opened
  int nextKey_ = 1;
  std::vector<SentMessage> sent_;
  std::array<std::optional<Fault>, static_cast<std::size_t>(Op::kCount)> faults_{};
  std::array<unsigned, static_cast<std::size_t>(Op::kCount)> calls_{};
  std::map<int, Result> outCapsFaults_;
  std::map<unsigned, Result> inCapsFaults_;
};

}  // namespace lintra::midi

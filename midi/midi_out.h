// TMidiOutput: owns one MIDI output device of a MidiService.  Selects it by
// number or by name, opens and closes it, sends short and long messages, and
// turns every failing service call into an EmidioutputError whose text is the
// service's own description of the result code.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "midi/message_loop.h"
#include "midi/midi_service.h"
#include "midi/miditype.h"

namespace lintra::midi {

struct EventRing;

class EmidioutputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Notification codes posted to a component's window by DeviceCallback.
inline constexpr std::uint32_t kNotifyInput = MIM_DATA;       // an entry was stored
inline constexpr std::uint32_t kNotifyOutputDone = MOM_DONE;  // a long message was played
inline constexpr std::uint32_t kNotifyOverflow = 1024;        // the input ring was full
inline constexpr std::uint32_t kNotifyCatchUp = 1025;         // notifications were missed

// The context value a component hands to the service at open; DeviceCallback
// reads it on the service's thread while the user-interface thread may change
// SysexOnly at any time, hence the atomics.  The output uses only Window.
struct DeviceLink {
  std::atomic<EventRing*> Ring{nullptr};
  std::atomic<MessageWindow*> Window{nullptr};
  std::atomic<bool> SysexOnly{false};
  // Notifications the callback could not post because the window's queue was
  // full; the user-interface thread makes up for them at its next notification,
  // so that no stored entry waits and no lost entry goes unreported.
  std::atomic<std::uint32_t> MissedInput{0};
  std::atomic<std::uint32_t> MissedOverflow{0};
};

// The rule both components follow to turn a result code into text: the
// service's text, or a fixed text when the service does not know the code.
using ErrorTextQuery = Result (MidiService::*)(Result, std::string&);
std::string ServiceErrorText(MidiService& service, ErrorTextQuery query, Result code);

class TMidiOutput {
 public:
  TMidiOutput(MidiService& service, MessageLoop& loop);
  virtual ~TMidiOutput();
  TMidiOutput(const TMidiOutput&) = delete;
  TMidiOutput& operator=(const TMidiOutput&) = delete;

  virtual bool OpenDevice();
  virtual bool CloseDevice();
  virtual void SendEvent(const TMyMidiEvent& event);
  virtual void SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);
  virtual void SendLong(const std::uint8_t* bytes, std::uint16_t length);

  int DeviceID() const noexcept { return deviceId_; }
  void SetDeviceID(int id);
  const std::string& ProductName() const noexcept { return productName_; }
  void SetProductName(const std::string& name);
  // While the component is being loaded from its window's resource, a
  // product name is ignored and the resource's device number decides.
  void SetLoading(bool loading) noexcept { loading_ = loading; }

  std::uint16_t DeviceCount() const noexcept { return deviceCount_; }
  void RefreshDeviceCount() { deviceCount_ = static_cast<std::uint16_t>(service_.OutGetNumDevs()); }
  Result LastError() const noexcept { return lastError_; }
  bool IsOpen() const noexcept { return open_; }

  std::uint32_t DriverVersion() const noexcept { return driverVersion_; }
  std::uint8_t Technology() const noexcept { return technology_; }
  std::uint16_t Voices() const noexcept { return voices_; }
  std::uint16_t Notes() const noexcept { return notes_; }
  std::uint16_t ChannelMask() const noexcept { return channelMask_; }
  std::uint32_t Support() const noexcept { return support_; }

  std::string ErrorText(Result code);

  // Fired each time a long message has been played and released.
  std::function<void()> Onmidioutput;

 private:
  void HandleNotification(const PostedMessage& message);
  void ReleaseHeader(LongHeader* header);
  void Check(Result result);  // stores the code; raises its text on failure

  MidiService& service_;
  std::unique_ptr<MessageWindow> window_;
  int deviceId_ = 0;
  DeviceHandle handle_ = kNoHandle;
  bool open_ = false;
  std::unique_ptr<DeviceLink> link_;
  Result lastError_ = kOk;
  std::uint32_t driverVersion_ = 0;
  std::string productName_;
  std::uint8_t technology_ = 0;
  std::uint16_t voices_ = 0;
  std::uint16_t notes_ = 0;
  std::uint16_t channelMask_ = 0;
  std::uint32_t support_ = 0;
  std::uint16_t deviceCount_ = 0;
  bool loading_ = false;
  bool destroying_ = false;
};

}  // namespace lintra::midi

// TMidiOutput: owns one MIDI output device.  Selects it by number or by name,
// opens and closes it, sends short and long messages, and turns every failing
// device call into an EmidioutputError whose text describes the result code.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "midi/device_callback.h"
#include "midi/message_loop.h"
#include "midi/midi_output_service.h"
#include "midi/miditype.h"
#include "midi/output_device_api.h"
#include "midi/service_error_text.h"

namespace lintra::midi {

class EmidioutputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TMidiOutput {
 public:
  // Over a back end's ports, through the device calls of an adapter of its own.
  TMidiOutput(MidiOutputService& ports, MessageLoop& loop);
  // Over device calls given.
  TMidiOutput(OutputDeviceApi& devices, MessageLoop& loop);
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
  void RefreshDeviceCount() { deviceCount_ = static_cast<std::uint16_t>(devices_.OutGetNumDevs()); }
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

  std::unique_ptr<OutputDeviceApi> ownDevices_;
  OutputDeviceApi& devices_;
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

// TMidiInput: owns one MIDI input device.  The device calls DeviceCallback on
// a thread of its own; the callback stores each message in the ring and
// posts one notification, and on the user-interface thread the component
// takes one entry per notification, turns it into a TMyMidiEvent
// and hands channel-1 note-ons to the note hook.  System-exclusive messages
// arrive in a pool of long buffers that go back to the device as soon as
// their bytes are copied.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "midi/circbuf.h"
#include "midi/device_callback.h"
#include "midi/input_device_adapter.h"
#include "midi/input_device_api.h"
#include "midi/message_loop.h"
#include "midi/midi_input_service.h"
#include "midi/miditype.h"
#include "midi/service_error_text.h"

namespace lintra::midi {

class EMidiInputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr char kMidiConflictText[] =
    "Midi Conflict. Close all programs (including minimized) and reopen Lintra. "
    "If problems persist, select Menu \"Midi\" select \"Inputs/Outputs\".";

class TMidiInput {
 public:
  enum class State { Open, Closed, NoDevices };

  // Over a back end's ports, through the device calls of an adapter of its own.
  TMidiInput(MidiInputService& ports, MessageLoop& loop);
  // Over device calls given.
  TMidiInput(InputDeviceApi& devices, MessageLoop& loop);
  ~TMidiInput();
  TMidiInput(const TMidiInput&) = delete;
  TMidiInput& operator=(const TMidiInput&) = delete;

  State GetState() const noexcept { return state_; }
  bool IsOpen() const noexcept { return state_ == State::Open; }

  std::uint16_t DeviceID() const noexcept { return deviceId_; }
  void SetDeviceID(std::uint16_t id);
  const std::string& ProductName() const noexcept { return productName_; }
  void SetProductName(const std::string& name);
  void SetLoading(bool loading) noexcept { loading_ = loading; }

  std::uint16_t DeviceCount() const noexcept { return deviceCount_; }
  // Counts the devices anew (a keyboard plugged in or out since the start).
  // The first device that appears gives a component that had none its
  // notification window and device 0.
  void RefreshDeviceCount();
  Result Error() const noexcept { return error_; }
  std::uint32_t DriverVersion() const noexcept { return driverVersion_; }
  std::uint16_t ManufacturerId() const noexcept { return manufacturerId_; }
  std::uint16_t ProductId() const noexcept { return productId_; }

  bool SysexOnly() const noexcept { return sysexOnly_; }
  void SetSysexOnly(bool sysexOnly) noexcept;

  // Entries of the ring made at the next open; above kMaxRingCapacity it is
  // clamped, and 0 makes every open fail.
  std::uint16_t Capacity = 1024;
  std::uint16_t SysexBufferSize() const noexcept { return sysexBufferSize_; }
  void SetSysexBufferSize(std::uint16_t size);
  std::uint16_t SysexBufferCount() const noexcept { return sysexBufferCount_; }
  void SetSysexBufferCount(std::uint16_t count);

  bool OpenDevice();
  void StartInput();
  void CloseDevice();
  std::uint16_t PendingCount() const noexcept;
  // Long buffers the device holds now, waiting for a message: 0 over device
  // calls given at construction, which keep their own account.
  std::size_t QueuedSysexBuffers() const { return ownDevices_ ? ownDevices_->QueuedBuffers() : 0; }
  // The oldest waiting event, or null when closed or nothing is waiting.
  std::unique_ptr<TMyMidiEvent> ReadEvent();
  std::string ErrorText(Result code);

  std::function<void()> OnMidiInput;
  std::function<void()> OnOverflow;
  // Receives the note of every channel-1 note-on with a velocity above 0.
  std::function<void(std::uint8_t note)> NoteHook;
  std::function<void(const std::string&)> ShowMessage;

 private:
  TMidiInput(InputDeviceApi* devices, MidiInputService* ports, MessageLoop& loop);
  void CatchUpMissedNotifications();
  void HandleNotification(const PostedMessage& message);
  void PrepareSysexBuffers();
  void QueueSysexBuffers();
  void ReleaseSysexBuffers();
  void ReleaseDevice();
  void ForgetDevice();
  void Check(Result result);

  std::unique_ptr<InputDeviceAdapter> ownDevices_;
  InputDeviceApi& devices_;
  MessageLoop& loop_;
  std::unique_ptr<MessageWindow> window_;
  std::uint16_t deviceId_ = 0;
  DeviceHandle handle_ = kNoHandle;
  State state_ = State::NoDevices;
  Result error_ = kOk;
  bool sysexOnly_ = false;
  std::uint32_t driverVersion_ = 0;
  std::string productName_;
  std::uint16_t manufacturerId_ = 0;
  std::uint16_t productId_ = 0;
  EventRing* ring_ = nullptr;
  std::uint16_t deviceCount_ = 0;
  std::uint16_t sysexBufferSize_ = 4096;
  std::uint16_t sysexBufferCount_ = 16;
  std::vector<std::unique_ptr<TMyMidiHdr>> sysexBuffers_;
  std::unique_ptr<DeviceLink> link_;
  bool loading_ = false;
};

}  // namespace lintra::midi

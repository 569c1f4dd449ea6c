#include "midi/midi_in.h"

#include <gtest/gtest.h>

#include <utility>

#include "midi/input_device_adapter.h"
#include "testing/fake_midi_service.h"

namespace lintra::midi {
namespace {

using Op = FakeMidiService::Op;

// The device calls over the fake, with the calls the component makes counted
// and any of them made to fail once, as a platform's may.
class ScriptedDevices : public InputDeviceAdapter {
 public:
  struct Call {
    unsigned count = 0;
    Result failOnce = kOk;
  };
  using InputDeviceAdapter::InputDeviceAdapter;
  Result InStart(DeviceHandle handle) override {
    return Run(start, [&] { return InputDeviceAdapter::InStart(handle); });
  }
  Result InReset(DeviceHandle handle) override {
    return Run(reset, [&] { return InputDeviceAdapter::InReset(handle); });
  }
  Result InClose(DeviceHandle handle) override {
    return Run(close, [&] { return InputDeviceAdapter::InClose(handle); });
  }
  Result InAddBuffer(DeviceHandle handle, LongHeader* header) override {
    return Run(addBuffer, [&] { return InputDeviceAdapter::InAddBuffer(handle, header); });
  }
  Call start, reset, close, addBuffer;

 private:
  template <typename Real>
  static Result Run(Call& call, Real real) {
    ++call.count;
    return call.failOnce != kOk ? std::exchange(call.failOnce, kOk) : real();
  }
};

template <typename F>
std::string ErrorOf(F&& action) {
  try {
    action();
  } catch (const EMidiInputError& e) {
    return e.what();
  }
  return "(nothing raised)";
}

class MidiInTest : public ::testing::Test {
 protected:
  MidiInTest() {
    fake.SetInputDevices({"Keys", "Pads"});
    input = std::make_unique<TMidiInput>(devices, loop);
    input->NoteHook = [this](std::uint8_t note) { notes.push_back(note); };
    input->ShowMessage = [this](const std::string& text) { messages.push_back(text); };
  }
  void OpenAndStart() {
    ASSERT_TRUE(input->OpenDevice());
    input->StartInput();
  }
  FakeMidiService fake;
  ScriptedDevices devices{fake};
  MessageLoop loop;
  std::unique_ptr<TMidiInput> input;
  std::vector<int> notes;
  std::vector<std::string> messages;
};

TEST_F(MidiInTest, StartsClosedOnDeviceZeroWithTheDefaultSizes) {
  EXPECT_EQ(input->GetState(), TMidiInput::State::Closed);
  EXPECT_EQ(input->DeviceCount(), 2);
  EXPECT_EQ(input->DeviceID(), 0);
  EXPECT_EQ(input->ProductName(), "Keys");
  EXPECT_EQ(input->Capacity, 1024);
  EXPECT_EQ(input->SysexBufferSize(), 4096);
  EXPECT_EQ(input->SysexBufferCount(), 16);
  EXPECT_FALSE(input->SysexOnly());
}

TEST_F(MidiInTest, WithoutDevicesNothingHappensAtAll) {
  FakeMidiService empty;
  TMidiInput none(empty, loop);
  EXPECT_EQ(none.GetState(), TMidiInput::State::NoDevices);
  EXPECT_EQ(none.ProductName(), "");
  none.SetProductName("Keys");  // ignored, not raised
  EXPECT_FALSE(none.OpenDevice());
  EXPECT_EQ(none.PendingCount(), 0);
  EXPECT_EQ(none.ReadEvent(), nullptr);
  none.CloseDevice();
  EXPECT_EQ(empty.Calls(Op::InOpen), 0u);
  EXPECT_EQ(ErrorOf([&] { none.SetDeviceID(0); }), "Invalid device ID");
}

TEST_F(MidiInTest, PropertyAssignmentsRaiseTheirTexts) {
  input->SetProductName("Pads");
  EXPECT_EQ(input->DeviceID(), 1);
  EXPECT_EQ(input->ProductId(), 2);
  EXPECT_EQ(ErrorOf([&] { input->SetDeviceID(2); }), "Invalid device ID");
  EXPECT_EQ(ErrorOf([&] { input->SetProductName("pads"); }), "MIDI Input Device pads not installed ");
  fake.FailInCaps(0, kErrNoDriver);
  EXPECT_EQ(ErrorOf([&] { input->SetDeviceID(0); }), "There is no driver installed on your system.");
  EXPECT_EQ(input->Error(), kErrNoDriver);
  EXPECT_EQ(ErrorOf([&] { input->SetProductName("Pads"); }), "There is no driver installed on your system.");
  fake.ClearFaults();
  input->SetLoading(true);
  input->SetProductName("Pads");
  EXPECT_EQ(input->DeviceID(), 0);  // stored before the failed query above; the name was ignored
  input->SetLoading(false);

  input->SetDeviceID(0);
  OpenAndStart();
  EXPECT_EQ(ErrorOf([&] { input->SetDeviceID(1); }), "Change to DeviceID while device was open");
  EXPECT_EQ(ErrorOf([&] { input->SetProductName("Pads"); }), "Change to ProductName while device was open");
  EXPECT_EQ(ErrorOf([&] { input->SetSysexBufferSize(10); }), "Change to SysexBufferSize while device was open");
  EXPECT_EQ(ErrorOf([&] { input->SetSysexBufferCount(1); }), "Change to SysexBuffercount while device was open");
  EXPECT_EQ(input->SysexBufferSize(), 4096);
  EXPECT_EQ(input->SysexBufferCount(), 16);
  EXPECT_EQ(input->ErrorText(999), "Specified error number is out of range");
}

TEST_F(MidiInTest, ChannelOneNoteOnsReachTheHookAndEverythingElseIsStillRead) {
  OpenAndStart();
  EXPECT_TRUE(fake.InjectShort(254, 0, 0));  // active sensing
  EXPECT_TRUE(fake.InjectShort(248, 0, 0));  // timing clock
  EXPECT_EQ(input->PendingCount(), 0);
  EXPECT_EQ(loop.Pending(), 0u);

  fake.InjectShort(144, 60, 100);
  fake.InjectShort(144, 61, 0);    // velocity 0 is a note-off
  fake.InjectShort(145, 62, 100);  // channel 2
  fake.InjectShort(128, 60, 64);
  fake.InjectShort(144, 83, 1);
  EXPECT_EQ(input->PendingCount(), 5);
  EXPECT_EQ(loop.DispatchPending(), 5u);
  EXPECT_EQ(notes, (std::vector<int>{60, 83}));
  EXPECT_EQ(input->PendingCount(), 0);
}

TEST_F(MidiInTest, EventsCarryTheirBytes) {
  OpenAndStart();
  fake.InjectShort(176, 64, 127);
  const auto event = input->ReadEvent();
  ASSERT_NE(event, nullptr);
  EXPECT_EQ(event->StatusByte, 176);
  EXPECT_EQ(event->FirstData, 64);
  EXPECT_EQ(event->SecondData, 127);
  EXPECT_EQ(event->SysexSize, 0);
  EXPECT_EQ(event->SysexBytes, nullptr);
  EXPECT_EQ(input->ReadEvent(), nullptr);
}

TEST_F(MidiInTest, SysexOnlyDropsShortMessagesFromTheNextOneOn) {
  OpenAndStart();
  fake.InjectShort(144, 60, 100);
  input->SetSysexOnly(true);
  fake.InjectShort(144, 62, 100);
  fake.InjectSysex({0xF0, 0x01, 0xF7});
  EXPECT_EQ(input->PendingCount(), 2);
  loop.DispatchPending();
  EXPECT_EQ(notes, (std::vector<int>{60}));
}

TEST_F(MidiInTest, SysexRoundTripRequeuesTheBuffer) {
  OpenAndStart();
  EXPECT_EQ(devices.QueuedBuffers(), 16u);
  std::vector<std::uint8_t> message(300);
  for (std::size_t i = 0; i < message.size(); ++i) message[i] = static_cast<std::uint8_t>(i & 0x7F);
  message.front() = 0xF0;
  message.back() = 0xF7;
  ASSERT_TRUE(fake.InjectSysex(message));
  EXPECT_EQ(devices.QueuedBuffers(), 15u);
  const auto event = input->ReadEvent();
  ASSERT_NE(event, nullptr);
  EXPECT_EQ(event->StatusByte, 240);
  EXPECT_EQ(event->FirstData, 0);
  EXPECT_EQ(event->SysexSize, 300);
  EXPECT_EQ(std::vector<std::uint8_t>(event->SysexBytes.get(), event->SysexBytes.get() + 300), message);
  EXPECT_EQ(devices.QueuedBuffers(), 16u);
  EXPECT_EQ(input->PendingCount(), 0);
  EXPECT_EQ(notes.size(), 0u);
}

TEST_F(MidiInTest, OversizedSysexArrivesTruncatedAndItsBufferStillReturns) {
  input->SetSysexBufferSize(8);
  input->SetSysexBufferCount(2);
  OpenAndStart();
  std::vector<std::uint8_t> message(12, 0x11);
  message.front() = 0xF0;
  message.back() = 0xF7;
  ASSERT_TRUE(fake.InjectSysex(message));
  const auto event = input->ReadEvent();
  ASSERT_NE(event, nullptr);
  EXPECT_EQ(event->StatusByte, 240);
  ASSERT_EQ(event->SysexSize, 8);
  EXPECT_EQ(std::vector<std::uint8_t>(event->SysexBytes.get(), event->SysexBytes.get() + 8),
            std::vector<std::uint8_t>(message.begin(), message.begin() + 8));
  EXPECT_EQ(devices.QueuedBuffers(), 2u);
}

TEST_F(MidiInTest, FailedRequeueKeepsTheEntryForTheNextRead) {
  OpenAndStart();
  fake.InjectSysex({0xF0, 0x7D, 0xF7});
  devices.addBuffer.failOnce = kErrNoMem;
  EXPECT_EQ(ErrorOf([&] { input->ReadEvent(); }), "There is not enough memory available for this task.");
  EXPECT_EQ(input->PendingCount(), 1);
  const auto event = input->ReadEvent();
  ASSERT_NE(event, nullptr);
  EXPECT_EQ(event->SysexSize, 3);
  EXPECT_EQ(input->PendingCount(), 0);
}

TEST_F(MidiInTest, AFloodOverflowsAtCapacityAndStoringResumesAfterOneRead) {
  OpenAndStart();
  int overflows = 0, inputs = 0;
  input->OnOverflow = [&] { ++overflows; };
  input->OnMidiInput = [&] { ++inputs; };
  for (int i = 0; i < 1024; ++i) ASSERT_TRUE(fake.DeliverShortHere(176, 1, static_cast<std::uint8_t>(i & 0x7F)));
  EXPECT_EQ(input->PendingCount(), 1024);
  EXPECT_TRUE(fake.InjectShort(144, 60, 100));  // lost
  EXPECT_EQ(input->PendingCount(), 1024);
  EXPECT_EQ(loop.Pending(), 1025u);

  ASSERT_NE(input->ReadEvent(), nullptr);
  fake.InjectShort(144, 61, 100);
  EXPECT_EQ(input->PendingCount(), 1024);

  loop.DispatchPending();
  EXPECT_EQ(overflows, 1);
  EXPECT_EQ(notes, (std::vector<int>{61}));  // the one that arrived after the read
  EXPECT_EQ(input->PendingCount(), 0);
  // Each input notification fires OnMidiInput while entries still wait after it.
  EXPECT_GT(inputs, 1000);
}

TEST_F(MidiInTest, CapacityZeroFailsTheOpenCleanlyAndLargeOnesAreClamped) {
  input->Capacity = 0;
  EXPECT_FALSE(input->OpenDevice());
  EXPECT_EQ(input->GetState(), TMidiInput::State::Closed);
  EXPECT_EQ(fake.Calls(Op::InOpen), 0u);

  input->Capacity = 60000;
  OpenAndStart();
  for (int i = 0; i < kMaxRingCapacity + 1; ++i) fake.DeliverShortHere(176, 7, 0);
  EXPECT_EQ(input->PendingCount(), kMaxRingCapacity);
}

TEST_F(MidiInTest, RefusedOpenShowsTheConflictOnceAndStaysClosed) {
  fake.Fail(Op::InOpen, kErrAllocated);
  EXPECT_FALSE(input->OpenDevice());
  input->StartInput();
  EXPECT_EQ(input->GetState(), TMidiInput::State::Closed);
  EXPECT_EQ(input->Error(), kErrAllocated);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0],
            "Midi Conflict. Close all programs (including minimized) and reopen Lintra. "
            "If problems persist, select Menu \"Midi\" select \"Inputs/Outputs\".");
  // A later device change closes nothing and raises nothing.
  input->CloseDevice();
  input->SetDeviceID(1);
  EXPECT_EQ(devices.reset.count + devices.close.count + devices.start.count, 0u);
  EXPECT_EQ(messages.size(), 1u);

  fake.ClearFaults();
  OpenAndStart();
  fake.InjectShort(144, 60, 100);
  loop.DispatchPending();
  EXPECT_EQ(notes, (std::vector<int>{60}));
}

TEST_F(MidiInTest, BufferSetUpFailureClosesTheDeviceAgain) {
  devices.addBuffer.failOnce = kErrNoMem;
  EXPECT_FALSE(input->OpenDevice());
  EXPECT_EQ(input->GetState(), TMidiInput::State::Closed);
  EXPECT_EQ(input->Error(), kErrNoMem);
  EXPECT_FALSE(fake.HasOpenInput());
  EXPECT_TRUE(messages.empty());
  OpenAndStart();
  EXPECT_EQ(devices.QueuedBuffers(), 16u);
}

TEST_F(MidiInTest, CloseReturnsTheBuffersAndLaterNotificationsReadNothing) {
  OpenAndStart();
  fake.InjectShort(144, 60, 100);
  input->CloseDevice();
  EXPECT_EQ(input->GetState(), TMidiInput::State::Closed);
  EXPECT_FALSE(fake.HasOpenInput());
  EXPECT_EQ(devices.QueuedBuffers(), 0u);
  EXPECT_EQ(input->PendingCount(), 0);
  EXPECT_EQ(input->ReadEvent(), nullptr);
  // The note's notification and the 16 returned buffers' are still posted.
  EXPECT_EQ(loop.DispatchPending(), 17u);
  EXPECT_TRUE(notes.empty());
  EXPECT_FALSE(fake.InjectShort(144, 60, 100));
}

TEST_F(MidiInTest, TheHookMayHandlePendingEventsNested) {
  OpenAndStart();
  std::vector<int> depthAtNote;
  int depth = 0;
  input->NoteHook = [&](std::uint8_t note) {
    notes.push_back(note);
    depthAtNote.push_back(depth);
    ++depth;
    loop.DispatchPending();  // a key click processes pending events first
    --depth;
  };
  fake.InjectShort(144, 60, 100);
  fake.InjectShort(144, 62, 100);
  fake.InjectShort(144, 64, 100);
  loop.DispatchPending();
  EXPECT_EQ(notes, (std::vector<int>{60, 62, 64}));
  EXPECT_EQ(depthAtNote, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(input->PendingCount(), 0);
}

TEST_F(MidiInTest, AVanishedDeviceIsReportedOnceAndAnotherCanBeOpened) {
  OpenAndStart();
  fake.Vanish();
  EXPECT_EQ(ErrorOf([&] { input->CloseDevice(); }), "The MIDI device has been disconnected.");
  EXPECT_EQ(input->GetState(), TMidiInput::State::Closed);
  input->CloseDevice();
  input->SetProductName("Pads");
  OpenAndStart();
  fake.InjectShort(144, 72, 100);
  loop.DispatchPending();
  EXPECT_EQ(notes, (std::vector<int>{72}));
}

TEST_F(MidiInTest, NothingArrivesBeforeTheStartAndAFailedStartRaisesItsText) {
  ASSERT_TRUE(input->OpenDevice());
  EXPECT_TRUE(fake.InjectShort(144, 59, 1));
  EXPECT_EQ(input->PendingCount(), 0);
  devices.start.failOnce = kErrNotReady;
  EXPECT_EQ(ErrorOf([&] { input->StartInput(); }), "The device is not ready.");
  EXPECT_EQ(input->Error(), kErrNotReady);
  input->StartInput();
  EXPECT_TRUE(fake.InjectShort(144, 60, 1));
  loop.DispatchPending();
  EXPECT_EQ(notes, (std::vector<int>{60}));
}

}  // namespace
}  // namespace lintra::midi

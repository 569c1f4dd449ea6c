#include "midi/midi_out.h"

#include <gtest/gtest.h>

#include "midi/messages.h"
#include "midi/output_device_adapter.h"
#include "testing/fake_midi_service.h"

namespace lintra::midi {
namespace {

using Op = FakeMidiService::Op;

// The device calls over the fake, counting the header calls the component makes.
class CountingDevices : public OutputDeviceAdapter {
 public:
  using OutputDeviceAdapter::OutputDeviceAdapter;
  Result OutPrepareHeader(DeviceHandle handle, LongHeader* header) override {
    ++prepared;
    return OutputDeviceAdapter::OutPrepareHeader(handle, header);
  }
  Result OutUnprepareHeader(DeviceHandle handle, LongHeader* header) override {
    ++unprepared;
    return OutputDeviceAdapter::OutUnprepareHeader(handle, header);
  }
  unsigned prepared = 0;
  unsigned unprepared = 0;
};

class MidiOutTest : public ::testing::Test {
 protected:
  MidiOutTest() { fake.SetOutputDevices({"Synth A", "Port B"}); }
  FakeMidiService fake;
  CountingDevices devices{fake};
  MessageLoop loop;
};

template <typename F>
std::string ErrorOf(F&& action) {
  try {
    action();
  } catch (const EmidioutputError& e) {
    return e.what();
  }
  return "(nothing raised)";
}

TEST_F(MidiOutTest, DeviceNumbersSelectDevicesAndTheMapper) {
  TMidiOutput out(fake, loop);
  EXPECT_EQ(out.DeviceCount(), 2);
  out.SetDeviceID(-1);
  EXPECT_EQ(out.ProductName(), "MIDI Mapper");
  out.SetDeviceID(1);
  EXPECT_EQ(out.DeviceID(), 1);
  EXPECT_EQ(out.ProductName(), "Port B");
  EXPECT_EQ(out.Voices(), 16);
  EXPECT_EQ(out.ErrorText(kOk), "The operation completed successfully.");
  EXPECT_EQ(ErrorOf([&] { out.SetDeviceID(2); }), "Invalid device ID");
  EXPECT_EQ(ErrorOf([&] { out.SetDeviceID(-2); }), "Invalid device ID");
  EXPECT_EQ(out.DeviceID(), 1);

  // A failed record query is kept in LastError, not raised, and claims no name.
  fake.FailOutCaps(0, kErrNoDriver);
  out.SetDeviceID(0);
  EXPECT_EQ(out.LastError(), kErrNoDriver);
  EXPECT_EQ(out.ProductName(), "");
}

TEST_F(MidiOutTest, ProductNamesAreSearchedMapperFirstAndExactly) {
  TMidiOutput out(fake, loop);
  out.SetProductName("Port B");
  EXPECT_EQ(out.DeviceID(), 1);
  out.SetProductName("MIDI Mapper");
  EXPECT_EQ(out.DeviceID(), -1);
  EXPECT_EQ(ErrorOf([&] { out.SetProductName("port b"); }), "MIDI output Device port b not installed");

  out.SetLoading(true);
  out.SetProductName("Synth A");
  EXPECT_EQ(out.DeviceID(), -1);
  EXPECT_EQ(out.ProductName(), "MIDI Mapper");
  out.SetLoading(false);

  fake.FailOutCaps(0, kErrNoDriver);
  EXPECT_EQ(ErrorOf([&] { out.SetProductName("Port B"); }), "There is no driver installed on your system.");
  EXPECT_EQ(out.LastError(), kErrNoDriver);
}

TEST_F(MidiOutTest, PropertiesCannotChangeWhileOpen) {
  TMidiOutput out(fake, loop);
  EXPECT_EQ(out.ProductName(), "");  // the constructor only counts the devices
  out.SetDeviceID(0);
  ASSERT_TRUE(out.OpenDevice());
  EXPECT_EQ(ErrorOf([&] { out.SetDeviceID(1); }), "Change to DeviceID while device was open");
  EXPECT_EQ(ErrorOf([&] { out.SetProductName("Port B"); }), "Change to ProductName while device was open");
  EXPECT_EQ(out.DeviceID(), 0);
  EXPECT_EQ(out.ProductName(), "Synth A");
}

TEST_F(MidiOutTest, ShortMessagesArePackedLowByteFirst) {
  TMidiOutput out(fake, loop);
  ASSERT_TRUE(out.OpenDevice());
  out.SendShort(144, 60, 127);
  out.SendShort(128, 60, 0);
  out.SendShort(192, 113, 0);
  const auto sent = fake.Sent();
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(sent[0].packed, 0x007F3C90u);
  EXPECT_EQ(sent[1].packed, 0x3C80u);
  EXPECT_EQ(sent[2].packed, 0x71C0u);
  EXPECT_EQ(sent[0].device, 0);
}

TEST(TypedMessages, CarryTheBytesTheWindowHasAlwaysSent) {
  EXPECT_EQ(ShortMessage(NoteOn{60}), (ShortMessage{144, 60, 127}));
  EXPECT_EQ(ShortMessage(NoteOff{60}), (ShortMessage{128, 60, 127}));
  EXPECT_EQ(ShortMessage(NoteOff{109, 0}), (ShortMessage{128, 109, 0}));
  EXPECT_EQ(ShortMessage(ProgramChange{113}), (ShortMessage{192, 113, 0}));
  EXPECT_EQ(ShortMessage(ProgramChange{5, ProgramChange::kRepeatFill}), (ShortMessage{192, 5, 127}));
  EXPECT_EQ(ShortMessage(ControlChange{64, 127}), (ShortMessage{176, 64, 127}));
  // The window's signed state goes out as its bit pattern, as it always has.
  const std::int8_t instrument = -56;
  EXPECT_EQ(ShortMessage(ProgramChange{instrument}).data1, 200);
}

TEST_F(MidiOutTest, FailedSendsRaiseTheServicesTextAndKeepTheCode) {
  TMidiOutput out(fake, loop);
  // Not open: the message reaches the service with no handle and fails there.
  EXPECT_EQ(ErrorOf([&] { out.SendShort(144, 60, 127); }), "The specified device handle is invalid.");
  EXPECT_EQ(out.LastError(), kErrInvalidHandle);

  ASSERT_TRUE(out.OpenDevice());
  fake.Fail(Op::OutShort, kErrNotReady, /*once=*/true);
  EXPECT_EQ(ErrorOf([&] { out.SendShort(144, 60, 127); }), "The device is not ready.");
  EXPECT_EQ(out.LastError(), kErrNotReady);
  out.SendShort(144, 60, 127);
  EXPECT_EQ(out.LastError(), kOk);

  fake.Fail(Op::OutShort, 77);  // a code the service has no text for
  EXPECT_EQ(ErrorOf([&] { out.SendShort(1, 2, 3); }), "Specified error number is out of range");
  EXPECT_EQ(ErrorOf([&] { out.SendShort(1, 2, 3); }), "Specified error number is out of range");
  EXPECT_EQ(out.ErrorText(4242), "Specified error number is out of range");
}

TEST_F(MidiOutTest, RefusedOpenLeavesTheComponentClosed) {
  TMidiOutput out(fake, loop);
  fake.Fail(Op::OutOpen, kErrAllocated);
  EXPECT_FALSE(out.OpenDevice());
  EXPECT_FALSE(out.IsOpen());
  EXPECT_EQ(out.LastError(), kErrAllocated);
  EXPECT_FALSE(out.CloseDevice());
  EXPECT_EQ(fake.Calls(Op::OutClose), 0u);
  out.SetDeviceID(1);  // still closed, so a device can be chosen
  fake.ClearFaults();
  EXPECT_TRUE(out.OpenDevice());
  EXPECT_TRUE(fake.HasOpenOutput());
}

TEST_F(MidiOutTest, CloseOnlyCallsTheServiceWhenOpen) {
  TMidiOutput out(fake, loop);
  EXPECT_FALSE(out.CloseDevice());
  EXPECT_EQ(fake.Calls(Op::OutClose), 0u);

  ASSERT_TRUE(out.OpenDevice());
  fake.Fail(Op::OutClose, kErrStillPlaying, true);
  EXPECT_EQ(ErrorOf([&] { out.CloseDevice(); }), "The device is still using the buffers.");
  EXPECT_TRUE(out.IsOpen());
  EXPECT_TRUE(out.CloseDevice());
  EXPECT_FALSE(out.IsOpen());
  EXPECT_FALSE(fake.HasOpenOutput());
}

TEST_F(MidiOutTest, AVanishedDeviceIsReportedAndForgotten) {
  TMidiOutput out(fake, loop);
  ASSERT_TRUE(out.OpenDevice());
  fake.Vanish();
  EXPECT_EQ(ErrorOf([&] { out.SendShort(144, 60, 127); }), "The MIDI device has been disconnected.");
  EXPECT_EQ(ErrorOf([&] { out.CloseDevice(); }), "The MIDI device has been disconnected.");
  EXPECT_FALSE(out.IsOpen());
  out.SetProductName("Port B");
  ASSERT_TRUE(out.OpenDevice());
  out.SendShort(144, 60, 127);
  ASSERT_EQ(fake.Sent().size(), 1u);
  EXPECT_EQ(fake.Sent()[0].device, 1);
}

TEST_F(MidiOutTest, LongMessageIsReleasedWhenTheDoneNotificationIsHandled) {
  TMidiOutput out(devices, loop);
  int done = 0;
  out.Onmidioutput = [&] { ++done; };
  ASSERT_TRUE(out.OpenDevice());
  const std::uint8_t sysex[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
  out.SendLong(sysex, sizeof sysex);
  ASSERT_EQ(fake.Sent().size(), 1u);
  EXPECT_EQ(fake.Sent()[0].bytes, std::vector<std::uint8_t>(std::begin(sysex), std::end(sysex)));
  EXPECT_EQ(done, 0);  // played, but not yet handled on this thread
  EXPECT_EQ(devices.unprepared, 0u);
  EXPECT_EQ(loop.DispatchPending(), 1u);
  EXPECT_EQ(done, 1);
  EXPECT_EQ(devices.unprepared, 1u);
}

TEST_F(MidiOutTest, FailedLongSendsAndEmptyOnesAreRaised) {
  TMidiOutput out(devices, loop);
  ASSERT_TRUE(out.OpenDevice());
  const std::uint8_t sysex[] = {0xF0, 0x01, 0xF7};
  fake.Fail(Op::OutLong, kErrNotReady, true);
  EXPECT_EQ(ErrorOf([&] { out.SendLong(sysex, 3); }), "The device is not ready.");
  EXPECT_EQ(devices.unprepared, 1u);  // handed back before raising
  EXPECT_EQ(ErrorOf([&] { out.SendLong(sysex, 0); }), "An invalid parameter was passed to a system function.");
  EXPECT_EQ(devices.prepared, 1u);
  EXPECT_EQ(loop.DispatchPending(), 0u);
}

class SpyOutput : public TMidiOutput {
 public:
  using TMidiOutput::TMidiOutput;
  void SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) override {
    shorts.push_back({status, data1, data2});
  }
  std::vector<std::vector<std::uint8_t>> shorts;
};

TEST_F(MidiOutTest, SendEventNeedsAnOpenDeviceAndGoesThroughTheVirtualSlots) {
  SpyOutput out(fake, loop);
  TMyMidiEvent note;
  note.StatusByte = 144;
  note.FirstData = 64;
  note.SecondData = 90;
  EXPECT_EQ(ErrorOf([&] { out.SendEvent(note); }), "MIDI Output device not open");
  ASSERT_TRUE(out.OpenDevice());
  out.SendEvent(note);
  ASSERT_EQ(out.shorts.size(), 1u);
  EXPECT_EQ(out.shorts[0], (std::vector<std::uint8_t>{144, 64, 90}));

  TMyMidiEvent sysex;
  sysex.StatusByte = 240;
  sysex.SysexSize = 3;
  sysex.SysexBytes = std::make_unique<std::uint8_t[]>(3);
  sysex.SysexBytes[0] = 0xF0;
  sysex.SysexBytes[2] = 0xF7;
  out.SendEvent(sysex);
  EXPECT_EQ(out.shorts.size(), 1u);
  ASSERT_EQ(fake.Sent().size(), 1u);
  EXPECT_EQ(fake.Sent()[0].bytes, (std::vector<std::uint8_t>{0xF0, 0, 0xF7}));
  loop.DispatchPending();
}

TEST_F(MidiOutTest, DestructionClosesAndReleasesHeadersStillWaiting) {
  int done = 0;
  {
    TMidiOutput out(devices, loop);
    out.Onmidioutput = [&] { ++done; };
    ASSERT_TRUE(out.OpenDevice());
    const std::uint8_t sysex[] = {0xF0, 0xF7};
    out.SendLong(sysex, 2);
  }
  EXPECT_FALSE(fake.HasOpenOutput());
  EXPECT_EQ(devices.unprepared, 1u);
  EXPECT_EQ(done, 0);
  EXPECT_EQ(loop.Pending(), 0u);
}

}  // namespace
}  // namespace lintra::midi

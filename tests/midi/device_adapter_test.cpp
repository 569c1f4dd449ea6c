// The device calls over narrow ports: handles, the callback's notices, long
// messages in prepared headers, the start, and the long buffers an input
// fills in queue order.  The fake's ports stand for any back end's.
#include <gtest/gtest.h>

#include <mutex>
#include <thread>
#include <vector>

#include "midi/input_device_adapter.h"
#include "midi/output_device_adapter.h"
#include "midi/result_texts.h"
#include "testing/fake_midi_service.h"

namespace lintra::midi {
namespace {

struct Call {
  DeviceHandle handle;
  std::uint32_t message;
  std::uintptr_t p1;
  std::thread::id thread;
};

struct Calls {
  std::mutex mutex;
  std::vector<Call> list;
  std::vector<Call> Take() {
    std::lock_guard lock(mutex);
    return std::exchange(list, {});
  }
};

void Record(DeviceHandle handle, std::uint32_t message, std::uintptr_t instance, std::uintptr_t p1, std::uintptr_t) {
  auto* calls = reinterpret_cast<Calls*>(instance);
  std::lock_guard lock(calls->mutex);
  calls->list.push_back({handle, message, p1, std::this_thread::get_id()});
}

class DeviceAdapterTest : public ::testing::Test {
 protected:
  DeviceAdapterTest() {
    fake.SetOutputDevices({"Port A", "Port B"});
    fake.SetInputDevices({"Keys"});
  }
  std::uintptr_t Context() { return reinterpret_cast<std::uintptr_t>(&calls); }
  FakeMidiService fake;
  Calls calls;
};

TEST_F(DeviceAdapterTest, OutputHandlesNoticesAndHeaders) {
  OutputDeviceAdapter output(fake);
  EXPECT_EQ(output.OutGetNumDevs(), 2u);
  DeviceHandle handle = 77;
  EXPECT_EQ(output.OutOpen(handle, 2, &Record, Context()), kErrBadDeviceId);
  EXPECT_EQ(handle, kNoHandle);
  ASSERT_EQ(output.OutOpen(handle, 1, &Record, Context()), kOk);

  std::uint8_t bytes[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
  LongHeader header;
  header.data = bytes;
  header.bufferLength = sizeof bytes;
  EXPECT_EQ(output.OutLongMsg(handle, &header), kErrUnprepared);
  ASSERT_EQ(output.OutPrepareHeader(handle, &header), kOk);
  ASSERT_EQ(output.OutLongMsg(handle, &header), kOk);
  EXPECT_TRUE(header.flags & kHdrDone);
  ASSERT_EQ(output.OutUnprepareHeader(handle, &header), kOk);
  ASSERT_EQ(output.OutShortMsg(handle, 0x7F3C90), kOk);
  const auto sent = fake.Sent();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].bytes, std::vector<std::uint8_t>(std::begin(bytes), std::end(bytes)));
  EXPECT_EQ(sent[1].packed, 0x7F3C90u);
  EXPECT_EQ(sent[1].device, 1);

  ASSERT_EQ(output.OutClose(handle), kOk);
  EXPECT_FALSE(fake.HasOpenOutput());
  const auto notices = calls.Take();
  ASSERT_EQ(notices.size(), 3u);
  EXPECT_EQ(notices[0].message, MOM_OPEN);
  EXPECT_EQ(notices[1].message, MOM_DONE);
  EXPECT_EQ(notices[1].p1, reinterpret_cast<std::uintptr_t>(&header));
  EXPECT_EQ(notices[2].message, MOM_CLOSE);
  for (const auto& call : notices) EXPECT_EQ(call.handle, handle);

  // A closed handle names nothing, not even the device opened next.
  EXPECT_EQ(output.OutClose(handle), kErrInvalidHandle);
  EXPECT_EQ(output.OutShortMsg(handle, 0x7F3C90), kErrInvalidHandle);
  DeviceHandle next = kNoHandle;
  ASSERT_EQ(output.OutOpen(next, 0, nullptr, 0), kOk);
  EXPECT_NE(next, handle);
  EXPECT_EQ(output.OutShortMsg(handle, 0x7F3C90), kErrInvalidHandle);

  // A port that has gone is released by its close, which says so.
  fake.Vanish();
  EXPECT_EQ(output.OutShortMsg(next, 0x7F3C90), kErrDeviceGone);
  EXPECT_EQ(output.OutClose(next), kErrDeviceGone);
  EXPECT_EQ(output.OutClose(next), kErrInvalidHandle);
}

TEST_F(DeviceAdapterTest, InputArrivesOnThePortsThreadOnlyOnceStarted) {
  InputDeviceAdapter input(fake);
  DeviceHandle handle = kNoHandle;
  ASSERT_EQ(input.InOpen(handle, 0, &Record, Context()), kOk);
  EXPECT_TRUE(fake.InjectShort(0x90, 60, 100));
  ASSERT_EQ(input.InStart(handle), kOk);
  EXPECT_TRUE(fake.InjectShort(0x90, 61, 100));
  ASSERT_EQ(input.InReset(handle), kOk);
  EXPECT_TRUE(fake.InjectShort(0x90, 62, 100));  // reset: stopped again
  ASSERT_EQ(input.InClose(handle), kOk);
  EXPECT_FALSE(fake.HasOpenInput());

  const auto notices = calls.Take();
  ASSERT_EQ(notices.size(), 3u);
  EXPECT_EQ(notices[0].message, MIM_OPEN);
  EXPECT_EQ(notices[1].message, MIM_DATA);
  EXPECT_EQ(notices[1].p1, 0x643D90u);
  EXPECT_EQ(notices[1].handle, handle);
  EXPECT_NE(notices[1].thread, std::this_thread::get_id());
  EXPECT_EQ(notices[2].message, MIM_CLOSE);
  EXPECT_EQ(input.InStart(handle), kErrInvalidHandle);
}

TEST_F(DeviceAdapterTest, SysexFillsTheOldestQueuedBufferAndResetReturnsTheRest) {
  InputDeviceAdapter input(fake);
  DeviceHandle handle = kNoHandle;
  ASSERT_EQ(input.InOpen(handle, 0, &Record, Context()), kOk);
  ASSERT_EQ(input.InStart(handle), kOk);
  EXPECT_TRUE(fake.InjectSysex({0xF0, 0xF7}));  // no buffer queued: lost
  std::uint8_t bytes[2][4] = {};
  LongHeader headers[2];
  for (int i = 0; i < 2; ++i) {
    headers[i].data = bytes[i];
    headers[i].bufferLength = 4;
    EXPECT_EQ(input.InAddBuffer(handle, &headers[i]), kErrUnprepared);
    ASSERT_EQ(input.InPrepareHeader(handle, &headers[i]), kOk);
    ASSERT_EQ(input.InAddBuffer(handle, &headers[i]), kOk);
  }
  EXPECT_EQ(input.InAddBuffer(handle, &headers[0]), kErrStillPlaying);
  EXPECT_EQ(input.InUnprepareHeader(handle, &headers[0]), kErrStillPlaying);
  EXPECT_EQ(input.QueuedBuffers(), 2u);
  EXPECT_TRUE(fake.InjectSysex({0xF0, 1, 2, 3, 0xF7}));
  EXPECT_EQ(headers[0].bytesRecorded, 4u);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes[0], bytes[0] + 4), (std::vector<std::uint8_t>{0xF0, 1, 2, 3}));
  EXPECT_EQ(input.InClose(handle), kErrStillPlaying);
  auto notices = calls.Take();
  ASSERT_EQ(notices.size(), 2u);
  EXPECT_EQ(notices[1].message, MIM_LONGERROR);  // cut short
  EXPECT_EQ(notices[1].p1, reinterpret_cast<std::uintptr_t>(&headers[0]));

  ASSERT_EQ(input.InReset(handle), kOk);
  notices = calls.Take();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].message, MIM_LONGDATA);
  EXPECT_EQ(notices[0].p1, reinterpret_cast<std::uintptr_t>(&headers[1]));
  EXPECT_EQ(headers[1].bytesRecorded, 0u);
  EXPECT_EQ(input.QueuedBuffers(), 0u);
  EXPECT_EQ(input.InUnprepareHeader(handle, &headers[1]), kOk);
  EXPECT_EQ(input.InClose(handle), kOk);
}

TEST(DeviceAdapterTexts, OneTableForEveryBackEnd) {
  FakeMidiService fake;
  OutputDeviceAdapter output(fake);
  InputDeviceAdapter input(fake);
  std::string text, standard;
  for (const Result code : {kErrBadDeviceId, kErrAllocated, kErrDeviceGone, kErrOpenFailed}) {
    ASSERT_EQ(output.OutGetErrorText(code, text), kOk) << code;
    ASSERT_TRUE(StandardResultText(code, standard));
    EXPECT_EQ(text, standard);
    ASSERT_EQ(input.InGetErrorText(code, text), kOk) << code;
    EXPECT_EQ(text, standard);
  }
  EXPECT_NE(output.OutGetErrorText(4321, text), kOk);
  EXPECT_NE(input.InGetErrorText(4321, text), kOk);
}

}  // namespace
}  // namespace lintra::midi

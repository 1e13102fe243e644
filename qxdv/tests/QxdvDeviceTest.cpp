// The substitute driver as the panel sees it: the unit devices opened with the panel's
// exact arguments, one request per open, and the answers the control tool scripts.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ControlChannel.h"
#include "QxdvControl.h"

namespace qxdv {
namespace {

constexpr DWORD kPanelAccess = GENERIC_READ | GENERIC_WRITE;

std::wstring UnitPath(uint32_t unit) {
  return L"\\\\.\\" DRVPROP_DEVICE_BASE_NAME L"00" + std::to_wstring(unit);
}

HANDLE OpenUnit(uint32_t unit) {
  return CreateFileW(UnitPath(unit).c_str(), kPanelAccess, 0, nullptr, OPEN_EXISTING,
                     FILE_FLAG_OVERLAPPED, nullptr);
}

struct Reply {
  bool ok;
  DWORD error;  // GetLastError after a failure
  DWORD returned;
};

// One request the way the panel makes it: open, the same buffer in and out, close.
Reply Request(uint32_t unit, uint32_t code, void* buffer, DWORD size) {
  HANDLE device = OpenUnit(unit);
  if (device == INVALID_HANDLE_VALUE) return {false, GetLastError(), 0};
  DWORD returned = 0;
  const bool ok = DeviceIoControl(device, code, buffer, size, buffer, size, &returned, nullptr);
  const DWORD error = ok ? 0 : GetLastError();
  CloseHandle(device);
  return {ok, error, returned};
}

template <typename Buffer>
Reply Request(uint32_t unit, uint32_t code, Buffer& buffer) {
  return Request(unit, code, &buffer, sizeof(buffer));
}

class QxdvDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    uint32_t error = 0;
    ASSERT_TRUE(Command(kOpReset, 0, &error))
        << "driver not reachable (error " << error << "); is the test bed up? scripts/testbed up";
  }

  static bool Command(uint32_t op, uint32_t unit, uint32_t* error = nullptr,
                      std::vector<int32_t> values = {}, uint32_t arg = 0) {
    static QXDV_COMMAND command;
    command = {};
    command.op = op;
    command.unit = unit;
    command.arg = arg;
    command.count = static_cast<uint32_t>(values.size());
    std::copy(values.begin(), values.end(), command.values);
    return SendCommand(command, error);
  }

  static void Script(uint32_t op, uint32_t unit, std::vector<int32_t> values = {},
                     uint32_t arg = 0) {
    ASSERT_TRUE(Command(op, unit, nullptr, std::move(values), arg));
  }

  static std::vector<QXDV_LOG_ENTRY> Log() {
    static QXDV_LOG log;
    EXPECT_TRUE(ReadLog(log));
    return {log.entries, log.entries + log.count};
  }
};

TEST_F(QxdvDeviceTest, UnitOneAnswersEveryRequestWithItsStateAtLoad) {
  DRVPROP_SETTINGS_IO settings{};
  Reply reply = Request(1, IOCTL_DRV_GET_SETTINGS, settings);
  ASSERT_TRUE(reply.ok) << reply.error;
  EXPECT_EQ(reply.returned, sizeof(settings));
  EXPECT_EQ(settings.status, 1);
  DRVPROP_SETTINGS expected{};
  SetSettingsDefaults(expected);
  for (int i = 0; i < kRateTableEntries; ++i) expected.rateTable[i] = 1000 * (i / 7) + i % 7;
  EXPECT_EQ(std::memcmp(&settings.settings, &expected, sizeof(expected)), 0);

  STREAM_STATE stream{};
  ASSERT_TRUE(Request(1, IOCTL_DRV_GET_STREAM_STATE, stream).ok);
  EXPECT_EQ(stream.unitCount, 1);
  EXPECT_EQ(stream.sampleRate, 48000);

  static UNIT_INFO info;
  ASSERT_TRUE(Request(1, IOCTL_DRV_GET_UNIT_INFO, info).ok);
  ASSERT_EQ(info.infoLength, 13u);
  EXPECT_EQ(std::memcmp(info.infoData, "QXDV4829 UNIT", 13), 0);

  UNIT_MODE mode{};
  ASSERT_TRUE(Request(1, IOCTL_DRV_GET_UNIT_MODE, mode).ok);
  EXPECT_EQ(mode.unitMode, 1);
  UNIT_CLOCK clock{};
  ASSERT_TRUE(Request(1, IOCTL_DRV_GET_UNIT_CLOCK, clock).ok);
  EXPECT_EQ(clock.sampleRate, 48000);

  for (uint32_t unit = 2; unit <= kUnitCount; ++unit) {
    HANDLE device = OpenUnit(unit);
    EXPECT_EQ(device, INVALID_HANDLE_VALUE) << "unit " << unit << " should start unplugged";
    if (device != INVALID_HANDLE_VALUE) CloseHandle(device);
  }
}

// A buffer one byte short must fail and must not come back written: the driver may never
// write past what the caller gave it.
TEST_F(QxdvDeviceTest, EveryRequestRefusesABufferOneByteShort) {
  for (const RequestInfo& request : kRequests) {
    SCOPED_TRACE(request.name);
    std::vector<uint8_t> buffer(request.size, 0xAB);
    const Reply reply = Request(1, request.code, buffer.data(), request.size - 1);
    EXPECT_FALSE(reply.ok);
    EXPECT_EQ(reply.error, DWORD{ERROR_INSUFFICIENT_BUFFER});
    EXPECT_EQ(buffer, std::vector<uint8_t>(request.size, 0xAB));
  }
  // A refused Set stores nothing and leaves the status script where it was.
  Script(kOpStatusScript, 1, {3});
  DRVPROP_SETTINGS_IO io{};
  io.settings.bufferLevel = 9;
  ASSERT_FALSE(Request(1, IOCTL_DRV_SET_SETTINGS, &io, sizeof(io) - 1).ok);
  ASSERT_TRUE(Request(1, IOCTL_DRV_GET_SETTINGS, io).ok);
  EXPECT_EQ(io.settings.bufferLevel, 5);
}

TEST_F(QxdvDeviceTest, SetStoresTheRecordAndAnswersTheStatusScript) {
  Script(kOpStatusScript, 1, {1, 2});
  Script(kOpGetStatus, 1, {7});
  const int32_t expectedStatus[] = {1, 2, 2};
  for (int i = 0; i < 3; ++i) {
    DRVPROP_SETTINGS_IO io{};
    SetSettingsDefaults(io.settings);
    io.settings.bufferLevel = i;
    io.settings.rateTable[69] = 100 + i;
    io.status = -1;
    const Reply reply = Request(1, IOCTL_DRV_SET_SETTINGS, io);
    ASSERT_TRUE(reply.ok) << reply.error;
    EXPECT_EQ(reply.returned, sizeof(io));
    EXPECT_EQ(io.status, expectedStatus[i]) << "Set number " << i + 1;
    EXPECT_EQ(io.settings.bufferLevel, i) << "the reply echoes the stored record";
  }
  DRVPROP_SETTINGS_IO stored{};
  ASSERT_TRUE(Request(1, IOCTL_DRV_GET_SETTINGS, stored).ok);
  EXPECT_EQ(stored.status, 7);
  EXPECT_EQ(stored.settings.bufferLevel, 2);
  EXPECT_EQ(stored.settings.rateTable[69], 102);

  // A new script starts from its first value.
  Script(kOpStatusScript, 1, {0});
  ASSERT_TRUE(Request(1, IOCTL_DRV_SET_SETTINGS, stored).ok);
  EXPECT_EQ(stored.status, 0);
}

TEST_F(QxdvDeviceTest, ScriptedAnswersAndFaults) {
  Script(kOpStream, 1, {2, 44100});
  Script(kOpMode, 1, {0});
  Script(kOpClock, 1, {96000});
  STREAM_STATE stream{};
  ASSERT_TRUE(Request(1, IOCTL_DRV_GET_STREAM_STATE, stream).ok);
  EXPECT_EQ(stream.unitCount, 2);
  EXPECT_EQ(stream.sampleRate, 44100);
  UNIT_MODE mode{{-1}};
  ASSERT_TRUE(Request(1, IOCTL_DRV_GET_UNIT_MODE, mode).ok);
  EXPECT_EQ(mode.unitMode, 0);
  UNIT_CLOCK clock{};
  ASSERT_TRUE(Request(1, IOCTL_DRV_GET_UNIT_CLOCK, clock).ok);
  EXPECT_EQ(clock.sampleRate, 96000);

  // infoLength may be set beyond the block to test the panel's guard; the block stays.
  Script(kOpInfoLength, 1, {}, 5000);
  static UNIT_INFO info;
  ASSERT_TRUE(Request(1, IOCTL_DRV_GET_UNIT_INFO, info).ok);
  EXPECT_EQ(info.infoLength, 5000u);

  const uint32_t clockIndex = RequestIndex(IOCTL_DRV_GET_UNIT_CLOCK);
  Script(kOpFault, 1, {kFaultFail, 0}, clockIndex);
  EXPECT_FALSE(Request(1, IOCTL_DRV_GET_UNIT_CLOCK, clock).ok);

  // A short reply: only the first 16 bytes come back, the rest keeps what was sent.
  const uint32_t getIndex = RequestIndex(IOCTL_DRV_GET_SETTINGS);
  Script(kOpFault, 1, {kFaultShortReply, 16}, getIndex);
  DRVPROP_SETTINGS_IO io{};
  SetSettingsDefaults(io.settings);
  io.settings.bufferLevel = 8;
  const Reply reply = Request(1, IOCTL_DRV_GET_SETTINGS, io);
  ASSERT_TRUE(reply.ok);
  EXPECT_EQ(reply.returned, 16u);
  EXPECT_EQ(io.settings.rateTable[3], 3);
  EXPECT_EQ(io.settings.rateTable[7], 0);
  EXPECT_EQ(io.settings.bufferLevel, 8);
  EXPECT_EQ(io.status, 0);

  Script(kOpClearFaults, 1);
  EXPECT_TRUE(Request(1, IOCTL_DRV_GET_UNIT_CLOCK, clock).ok);
  EXPECT_EQ(Request(1, IOCTL_DRV_GET_SETTINGS, io).returned, sizeof(io));
}

TEST_F(QxdvDeviceTest, PluggingAndUnpluggingChangesWhatOpens) {
  HANDLE device = OpenUnit(3);
  ASSERT_EQ(device, INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD{ERROR_FILE_NOT_FOUND});

  Script(kOpPlug, 3);
  Script(kOpClock, 3, {44100});
  UNIT_CLOCK clock{};
  ASSERT_TRUE(Request(3, IOCTL_DRV_GET_UNIT_CLOCK, clock).ok);
  EXPECT_EQ(clock.sampleRate, 44100);

  HANDLE held = OpenUnit(3);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Script(kOpUnplug, 3);
  DWORD returned = 0;
  EXPECT_FALSE(DeviceIoControl(held, IOCTL_DRV_GET_UNIT_CLOCK, &clock, sizeof(clock), &clock,
                               sizeof(clock), &returned, nullptr))
      << "a handle from before the unplug must not reach the unit any more";
  CloseHandle(held);
  EXPECT_FALSE(Request(3, IOCTL_DRV_GET_UNIT_CLOCK, clock).ok);

  uint32_t error = 0;
  EXPECT_FALSE(Command(kOpPlug, 5, &error));
  EXPECT_EQ(error, DWORD{ERROR_INVALID_PARAMETER});
}

TEST_F(QxdvDeviceTest, LogRecordsEveryUnitRequestSinceTheLastClear) {
  DRVPROP_SETTINGS_IO io{};
  ASSERT_TRUE(Request(1, IOCTL_DRV_GET_SETTINGS, io).ok);
  Script(kOpLogClear, 0);
  Script(kOpPlug, 2);
  Script(kOpStatusScript, 2, {2});
  ASSERT_TRUE(Request(2, IOCTL_DRV_SET_SETTINGS, io).ok);
  UNIT_MODE mode{};
  ASSERT_FALSE(Request(1, IOCTL_DRV_GET_UNIT_MODE, &mode, 3).ok);

  const std::vector<QXDV_LOG_ENTRY> log = Log();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_LE(log[0].milliseconds, log[1].milliseconds);
  auto withoutTime = [](const QXDV_LOG_ENTRY& entry) {
    const std::string line = FormatLogLine(entry);
    return line.substr(line.find(' ') + 1);
  };
  EXPECT_EQ(withoutTime(log[0]), "unit=2 IOCTL_DRV_SET_SETTINGS result=ok status=2 bytes=328");
  EXPECT_EQ(withoutTime(log[1]),
            "unit=1 IOCTL_DRV_GET_UNIT_MODE result=0xC0000023 status=- bytes=0");
}

}  // namespace
}  // namespace qxdv

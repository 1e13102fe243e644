#include "driver/Win32DeviceIo.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <thread>

#include "driver/DrvPropIoctl.h"
#include "driver/UnitRequest.h"

namespace drvprop {
namespace {

// Wine reports no process handle count, but both it and Windows hand a just-freed handle
// slot to the next handle made; a handle leaked in between takes that slot, and the next
// probe then gets another value.
HANDLE NextHandleValue() {
  const HANDLE probe = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  EXPECT_NE(probe, nullptr);
  CloseHandle(probe);
  return probe;
}

TEST(Win32DeviceIo, MissingDevicesDoNotOpenAndLeaveNoHandle) {
  // Paths of their own: the Wine prefix may hold the substitute driver, whose first unit
  // exists at the real path whenever Wine runs there.
  UnitSlots slots;
  for (int i = 0; i < kMaxUnits; ++i) {
    slots[i].index = i;
    swprintf(slots[i].path, kUnitPathChars, L"\\\\.\\DrvPropMissingUnit%d", i + 1);
  }
  Win32DeviceIo io;
  const HANDLE before = NextHandleValue();

  EXPECT_EQ(CountPresentUnits(io, slots), 0);
  DRVPROP_SETTINGS_IO request{};
  for (const UNIT_SLOT& slot : slots) {
    EXPECT_FALSE(UnitRequest(io, slot, IOCTL_DRV_GET_SETTINGS, &request, sizeof request, true));
  }
  EXPECT_EQ(NextHandleValue(), before);
}

// A plain file opens like a device but knows none of the driver's requests: each refused
// request must still release the event it waited on.
TEST(Win32DeviceIo, RefusedRequestsLeaveNoHandle) {
  wchar_t folder[MAX_PATH];
  wchar_t path[MAX_PATH];
  ASSERT_NE(GetTempPathW(MAX_PATH, folder), 0u);
  ASSERT_NE(GetTempFileNameW(folder, L"dp", 0, path), 0u);
  Win32DeviceIo io;
  const HANDLE beforeOpen = NextHandleValue();

  const auto handle = io.Open(path);
  ASSERT_TRUE(handle.has_value());
  const HANDLE beforeRequests = NextHandleValue();
  STREAM_STATE state{};
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(io.Request(*handle, IOCTL_DRV_GET_STREAM_STATE, &state, sizeof state));
  }
  EXPECT_EQ(NextHandleValue(), beforeRequests);
  io.Close(*handle);
  EXPECT_EQ(NextHandleValue(), beforeOpen);

  EXPECT_TRUE(DeleteFileW(path));
}

// A request the driver leaves pending must be waited for, not reported as failed (or read
// before it is done). A pipe's listen request stays pending until a client connects, which
// makes it a stand-in for a slow driver.
TEST(Win32DeviceIo, PendingRequestIsWaitedFor) {
  constexpr uint32_t kListen =
      CTL_CODE(FILE_DEVICE_NAMED_PIPE, 2, METHOD_BUFFERED, FILE_ANY_ACCESS);
  const wchar_t* const name = L"\\\\.\\pipe\\drvprop-pending-request";
  const HANDLE server = CreateNamedPipeW(name, PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
                                         PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
  ASSERT_NE(server, INVALID_HANDLE_VALUE);
  std::thread client([name] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const HANDLE end =
        CreateFileW(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(end, INVALID_HANDLE_VALUE);
    CloseHandle(end);
  });

  Win32DeviceIo io;
  uint32_t unused = 0;
  EXPECT_TRUE(io.Request(reinterpret_cast<DeviceHandle>(server), kListen, &unused, sizeof unused));
  client.join();
  CloseHandle(server);
}

TEST(Win32DeviceIo, RequestNeverCompletedIsCancelledAndFails) {
  constexpr uint32_t kListen =
      CTL_CODE(FILE_DEVICE_NAMED_PIPE, 2, METHOD_BUFFERED, FILE_ANY_ACCESS);
  const HANDLE server = CreateNamedPipeW(L"\\\\.\\pipe\\drvprop-never-completed",
                                         PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED, PIPE_TYPE_BYTE,
                                         1, 0, 0, 0, nullptr);
  ASSERT_NE(server, INVALID_HANDLE_VALUE);

  // No client ever connects, so the listen stays pending until it is cancelled.
  Win32DeviceIo io;
  uint32_t unused = 0;
  EXPECT_FALSE(io.Request(reinterpret_cast<DeviceHandle>(server), kListen, &unused, sizeof unused));
  CloseHandle(server);
}

}  // namespace
}  // namespace drvprop

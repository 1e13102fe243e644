#include "driver/Win32DeviceIo.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "driver/DrvPropIoctl.h"
#include "driver/UnitRequest.h"

namespace drvprop {
namespace {

DWORD HandleCount() {
  DWORD count = 0;
  EXPECT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &count));
  return count;
}

TEST(Win32DeviceIo, MissingDevicesDoNotOpenAndLeaveNoHandle) {
  UnitSlots slots;
  FillUnitSlots(slots);
  Win32DeviceIo io;
  const DWORD before = HandleCount();

  EXPECT_EQ(CountPresentUnits(io, slots), 0);
  DRVPROP_SETTINGS_IO request{};
  for (const UNIT_SLOT& slot : slots) {
    EXPECT_FALSE(UnitRequest(io, slot, IOCTL_DRV_GET_SETTINGS, &request, sizeof request, true));
  }
  EXPECT_EQ(HandleCount(), before);
}

// A plain file opens like a device but knows none of the driver's requests: each refused
// request must still release the event it waited on.
TEST(Win32DeviceIo, RefusedRequestsLeaveNoHandle) {
  wchar_t folder[MAX_PATH];
  wchar_t path[MAX_PATH];
  ASSERT_NE(GetTempPathW(MAX_PATH, folder), 0u);
  ASSERT_NE(GetTempFileNameW(folder, L"dp", 0, path), 0u);
  Win32DeviceIo io;
  const DWORD before = HandleCount();

  const auto handle = io.Open(path);
  ASSERT_TRUE(handle.has_value());
  STREAM_STATE state{};
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(io.Request(*handle, IOCTL_DRV_GET_STREAM_STATE, &state, sizeof state));
  }
  io.Close(*handle);

  EXPECT_EQ(HandleCount(), before);
  EXPECT_TRUE(DeleteFileW(path));
}

}  // namespace
}  // namespace drvprop

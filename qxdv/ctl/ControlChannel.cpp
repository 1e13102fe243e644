#include "ControlChannel.h"

#include <windows.h>

#include <cstdio>

namespace qxdv {
namespace {

constexpr wchar_t kControlPath[] = L"\\\\.\\" QXDV_CONTROL_NAME;

bool Request(uint32_t code, const void* in, DWORD inSize, void* out, DWORD outSize,
             uint32_t* error) {
  HANDLE device = CreateFileW(kControlPath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
  if (device == INVALID_HANDLE_VALUE) {
    if (error != nullptr) *error = GetLastError();
    return false;
  }
  DWORD returned = 0;
  const BOOL ok = DeviceIoControl(device, code, const_cast<void*>(in), inSize, out, outSize,
                                  &returned, nullptr);
  if (!ok && error != nullptr) *error = GetLastError();
  CloseHandle(device);
  return ok != FALSE;
}

}  // namespace

bool SendCommand(const QXDV_COMMAND& command, uint32_t* error) {
  return Request(QXDV_IOCTL_COMMAND, &command, sizeof(command), nullptr, 0, error);
}

bool ReadUnit(uint32_t unit, QXDV_UNIT_STATE& out, uint32_t* error) {
  return Request(QXDV_IOCTL_READ_UNIT, &unit, sizeof(unit), &out, sizeof(out), error);
}

bool ReadLog(QXDV_LOG& out, uint32_t* error) {
  return Request(QXDV_IOCTL_READ_LOG, nullptr, 0, &out, sizeof(out), error);
}

std::string FormatLogLine(const QXDV_LOG_ENTRY& entry) {
  char code[16];
  const uint32_t index = RequestIndex(entry.code);
  if (index == kNoRequest) std::snprintf(code, sizeof(code), "0x%08X", entry.code);
  char result[16] = "ok";
  if (entry.result < 0) std::snprintf(result, sizeof(result), "0x%08X", uint32_t(entry.result));
  char status[16] = "-";
  if (entry.flags & kLogHasStatus)
    std::snprintf(status, sizeof(status), "%d", entry.statusAnswered);

  char line[128];
  std::snprintf(line, sizeof(line), "%u unit=%u %s result=%s status=%s bytes=%u",
                entry.milliseconds, entry.unit, index == kNoRequest ? code : kRequests[index].name,
                result, status, entry.information);
  return line;
}

}  // namespace qxdv

#include "driver/Win32DeviceIo.h"

#include <windows.h>

namespace drvprop {

namespace {

HANDLE ToHandle(DeviceHandle handle) { return reinterpret_cast<HANDLE>(handle); }

// The driver answers at once; a request still pending after this long is taken for one it
// will never complete, which must not freeze the panel's only thread.
constexpr DWORD kRequestTimeoutMs = 2000;

}  // namespace

std::optional<DeviceHandle> Win32DeviceIo::Open(const TextChar* path) {
  const HANDLE handle = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_OVERLAPPED, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  return reinterpret_cast<DeviceHandle>(handle);
}

bool Win32DeviceIo::Request(DeviceHandle handle, uint32_t code, void* buffer, uint32_t size) {
  // The device is opened for overlapped I/O, so a request without an OVERLAPPED is
  // undefined once a driver leaves it pending: the call could return while the driver still
  // writes into the buffer. With an event of its own the request is waited for before the
  // buffer is read or reused.
  OVERLAPPED overlapped{};
  overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (overlapped.hEvent == nullptr) return false;
  DWORD returned = 0;
  BOOL answered =
      DeviceIoControl(ToHandle(handle), code, buffer, size, buffer, size, &returned, &overlapped);
  if (!answered && GetLastError() == ERROR_IO_PENDING) {
    if (WaitForSingleObject(overlapped.hEvent, kRequestTimeoutMs) != WAIT_OBJECT_0) {
      // Cancelled, the request still owns the buffer until the driver lets it go, so the
      // wait below still waits; it then reports the request as failed.
      CancelIoEx(ToHandle(handle), &overlapped);
    }
    answered = GetOverlappedResult(ToHandle(handle), &overlapped, &returned, TRUE);
  }
  CloseHandle(overlapped.hEvent);
  return answered != FALSE;
}

void Win32DeviceIo::Close(DeviceHandle handle) { CloseHandle(ToHandle(handle)); }

}  // namespace drvprop

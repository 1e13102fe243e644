// The panel's only door to the driver: open a unit's control device, make one request,
// close it. Everything above this interface is portable and is tested against a fake; the
// Win32 side lives in Win32DeviceIo.
#pragma once

#include <cstdint>
#include <optional>

#include "text/TextChar.h"

namespace drvprop {

// An open control device, meaningful only to the DeviceIo that handed it out.
using DeviceHandle = std::uintptr_t;

class DeviceIo {
 public:
  virtual ~DeviceIo() = default;

  // Opens `path` for exclusive read and write access; nullopt when the device cannot be
  // opened now (absent, or refusing the open).
  virtual std::optional<DeviceHandle> Open(const TextChar* path) = 0;

  // One control request whose `buffer` is both input and output, `size` bytes each way. The
  // reply overwrites the buffer in place; bytes a short reply does not cover keep what was
  // sent. The reply's byte count is of no use to the panel and is not passed back.
  virtual bool Request(DeviceHandle handle, uint32_t code, void* buffer, uint32_t size) = 0;

  virtual void Close(DeviceHandle handle) = 0;
};

}  // namespace drvprop

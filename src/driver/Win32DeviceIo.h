// DeviceIo over the Windows I/O manager. Only the Windows build has it.
#pragma once

#include "driver/DeviceIo.h"

namespace drvprop {

class Win32DeviceIo final : public DeviceIo {
 public:
  std::optional<DeviceHandle> Open(const TextChar* path) override;
  bool Request(DeviceHandle handle, uint32_t code, void* buffer, uint32_t size) override;
  void Close(DeviceHandle handle) override;
};

}  // namespace drvprop

// Four units that answer as the fuzzer's input says: whether each open succeeds, whether
// each request succeeds, and how many of its reply bytes, with which values, are written
// back. A failed request may still write bytes, as a driver's warning status does, so the
// core must not rely on the buffer after a failure. The fake also holds the core to the
// channel's rules: only the four paths are opened, one handle at a time, every request has
// its code's buffer size, and every handle is closed again.
#pragma once

#include <optional>

#include "FuzzInput.h"
#include "driver/DeviceIo.h"
#include "driver/UnitSlots.h"

namespace drvprop::fuzz {

class FuzzedUnits final : public DeviceIo {
 public:
  explicit FuzzedUnits(FuzzInput& input);

  const UnitSlots& slots() const { return slots_; }
  bool HandleOpen() const { return open_.has_value(); }

  std::optional<DeviceHandle> Open(const TextChar* path) override;
  bool Request(DeviceHandle handle, uint32_t code, void* buffer, uint32_t size) override;
  void Close(DeviceHandle handle) override;

 private:
  FuzzInput& input_;
  UnitSlots slots_;
  std::optional<DeviceHandle> open_;
  DeviceHandle nextHandle_ = 1;
};

}  // namespace drvprop::fuzz

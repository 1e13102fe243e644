// Units for timing the core: each slot answers every request from one fixed reply, without
// logging and without touching the heap, so that timings and allocation counts measure the
// core and not the fake.
#pragma once

#include <cstdint>
#include <optional>

#include "driver/DeviceIo.h"
#include "driver/DrvPropIoctl.h"
#include "driver/UnitSlots.h"

namespace drvprop::bench {

// What one connected unit answers; a request whose reply is unset fails.
struct UnitReplies {
  std::optional<STREAM_STATE> streamState;
  std::optional<UNIT_INFO> info;
  std::optional<UNIT_MODE> mode;
  std::optional<UNIT_CLOCK> clock;
  // Both settings requests succeed and put this in the reply's status word.
  std::optional<int32_t> settingsStatus;
};

class BenchUnits final : public DeviceIo {
 public:
  BenchUnits();

  // Connects a unit at `slot`; unplugged slots cannot be opened.
  void Plug(int slot, const UnitReplies& replies);

  const UnitSlots& slots() const { return slots_; }

  std::optional<DeviceHandle> Open(const TextChar* path) override;
  bool Request(DeviceHandle handle, uint32_t code, void* buffer, uint32_t size) override;
  void Close(DeviceHandle) override {}

 private:
  UnitSlots slots_;
  std::optional<UnitReplies> units_[kMaxUnits];
};

// A unit that reports no stream state but answers the fallback's three requests with the
// same information block, its mode set and `sampleRate`, so every such unit is counted.
UnitReplies FallbackUnit(int32_t sampleRate);

}  // namespace drvprop::bench

#include "driver/StreamState.h"

#include "driver/DrvPropIoctl.h"
#include "driver/UnitInfoMatch.h"
#include "driver/UnitRequest.h"

namespace drvprop {

namespace {

// The queries carry no defined input, so each is sent zero-filled; a short reply then
// leaves zeros, never a previous slot's answer or stack contents.
template <typename Reply>
bool Ask(DeviceIo& io, const UNIT_SLOT& slot, uint32_t code, Reply& reply) {
  reply = Reply{};
  return UnitRequest(io, slot, code, &reply, sizeof reply, false);
}

bool ModeSet(DeviceIo& io, const UNIT_SLOT& slot) {
  UNIT_MODE mode;
  return Ask(io, slot, IOCTL_DRV_GET_UNIT_MODE, mode) && mode.unitMode != 0;
}

}  // namespace

std::optional<StreamReport> QueryStreamState(DeviceIo& io, const UnitSlots& slots) {
  for (const UNIT_SLOT& slot : slots) {
    STREAM_STATE state;
    if (Ask(io, slot, IOCTL_DRV_GET_STREAM_STATE, state) && state.unitCount != 0) {
      return StreamReport{state.unitCount, state.sampleRate};
    }
  }
  StreamReport counted{};
  if (CountMatchingUnits(io, slots, counted.unitCount, counted.sampleRate)) return counted;
  return std::nullopt;
}

bool CountMatchingUnits(DeviceIo& io, const UnitSlots& slots, int32_t& unitCount,
                        int32_t& sampleRate) {
  unitCount = 0;
  sampleRate = 0;

  UNIT_INFO reference;
  UNIT_CLOCK clock;
  int first = 0;
  while (first < kMaxUnits && !(Ask(io, slots[first], IOCTL_DRV_GET_UNIT_INFO, reference) &&
                                Ask(io, slots[first], IOCTL_DRV_GET_UNIT_CLOCK, clock))) {
    ++first;
  }
  if (first == kMaxUnits) return false;
  sampleRate = clock.sampleRate;
  unitCount = 1;

  UNIT_INFO candidate;
  for (int i = first + 1; i < kMaxUnits; ++i) {
    const UNIT_SLOT& slot = slots[i];
    if (!Ask(io, slot, IOCTL_DRV_GET_UNIT_INFO, candidate)) continue;
    const bool sameAsFirst = SameUnitInfo(candidate, reference);
    // A unit with its mode set belongs with the first unit only if it describes itself
    // alike, one without only if it does not; otherwise its clock is not worth asking.
    if (ModeSet(io, slot) != sameAsFirst) continue;
    if (Ask(io, slot, IOCTL_DRV_GET_UNIT_CLOCK, clock) && clock.sampleRate == sampleRate) {
      ++unitCount;
    }
  }
  return true;
}

}  // namespace drvprop

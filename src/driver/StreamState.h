// What the ASIO buffer display needs from the driver: how many units stream together and
// at which sample rate. Asked afresh on every poll; nothing is kept between runs.
#pragma once

#include <cstdint>
#include <optional>

#include "driver/DeviceIo.h"
#include "driver/UnitSlots.h"

namespace drvprop {

struct StreamReport {
  int32_t unitCount;
  int32_t sampleRate;
  bool operator==(const StreamReport&) const = default;
};

// The first unit reporting a non-zero unit count gives the pair as it is; when none does,
// the units are counted by CountMatchingUnits. nullopt: nothing answered, and the display
// must keep what it shows.
std::optional<StreamReport> QueryStreamState(DeviceIo& io, const UnitSlots& slots);

// The first slot answering both the information and the clock request is the first unit;
// each later slot is counted when its clock matches the first unit's and its mode word
// agrees with whether its information block matches the first unit's. Sets both outputs to
// 0 on entry; false when no slot answered both requests.
bool CountMatchingUnits(DeviceIo& io, const UnitSlots& slots, int32_t& unitCount,
                        int32_t& sampleRate);

}  // namespace drvprop

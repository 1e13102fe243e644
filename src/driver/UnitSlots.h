// The four fixed places where a unit's control device can appear.
#pragma once

#include <cstddef>
#include <cstdint>

#include "driver/DrvPropIoctl.h"
#include "text/TextChar.h"

namespace drvprop {

inline constexpr int kMaxUnits = 4;
inline constexpr std::size_t kUnitPathChars = 260;  // including the terminator

inline constexpr const TextChar* kDeviceBaseName = DP_TEXT(DRVPROP_DEVICE_BASE_NAME);
// Printf-style: the base name, then the unit number (slot index + 1).
inline constexpr const TextChar* kDevicePathFormat = DP_TEXT("\\\\.\\%s00%d");

struct UNIT_SLOT {
  int32_t index;  // 0..3; requests address the unit by path, this only names the slot
  TextChar path[kUnitPathChars];
};
static_assert(sizeof(UNIT_SLOT) == 4 + 2 * kUnitPathChars);
static_assert(offsetof(UNIT_SLOT, path) == 4);

using UnitSlots = UNIT_SLOT[kMaxUnits];

// Slot i gets index i and kDevicePathFormat expanded for unit i + 1.
void FillUnitSlots(UnitSlots& slots);

}  // namespace drvprop

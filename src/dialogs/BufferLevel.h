// The ten buffer levels of the slider and what each level means for the record's two
// bounded values. The driver keeps the level in `bufferLevel` of its settings record.
#pragma once

#include <array>
#include <cstdint>

#include "driver/DrvPropIoctl.h"

namespace drvprop {

inline constexpr int32_t kMaxBufferLevel = 9;
inline constexpr int kLevelCount = kMaxBufferLevel + 1;

// Scales the ASIO buffer size of a level; with kLevelDepth it also bounds the bounded values.
inline constexpr std::array<int32_t, kLevelCount> kLevelMultiplier = {1, 1, 1, 1, 2, 2, 3, 4, 5, 6};
inline constexpr std::array<int32_t, kLevelCount> kLevelDepth = {2, 3, 4, 5, 3, 4, 4, 4, 5, 7};

// Brings any level into 0..kMaxBufferLevel. Every use of a level as a table index goes
// through it, because the driver's record reaches the panel unchecked.
constexpr int32_t ClampLevel(int32_t level) {
  if (level < 0) return 0;
  if (level > kMaxBufferLevel) return kMaxBufferLevel;
  return level;
}

// The magnitude that a bounded value may reach at `level` (clamped first).
constexpr int32_t LevelBound(int32_t level) {
  const int32_t at = ClampLevel(level);
  return kLevelMultiplier[at] * kLevelDepth[at];
}

// One bounded value after the level's rule: 0 when its enable word is 0 (any other enable
// word counts as enabled), otherwise `value` limited to -bound..+bound.
int32_t BoundedValue(int32_t enable, int32_t value, int32_t level);

// Applies BoundedValue to both pairs of the record, with the bound of its `bufferLevel`.
// The record's level itself is left as it is.
void ClampBoundedValues(DRVPROP_SETTINGS& settings);

}  // namespace drvprop

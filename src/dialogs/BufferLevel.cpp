#include "dialogs/BufferLevel.h"

#include <algorithm>

namespace drvprop {

int32_t BoundedValue(int32_t enable, int32_t value, int32_t level) {
  if (enable == 0) return 0;
  const int32_t bound = LevelBound(level);
  return std::clamp(value, -bound, bound);
}

void ClampBoundedValues(DRVPROP_SETTINGS& settings) {
  settings.adjustA = BoundedValue(settings.adjustAEnabled, settings.adjustA, settings.bufferLevel);
  settings.adjustB = BoundedValue(settings.adjustBEnabled, settings.adjustB, settings.bufferLevel);
}

}  // namespace drvprop

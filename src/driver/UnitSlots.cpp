#include "driver/UnitSlots.h"

namespace drvprop {

namespace {

// Copies `text` without its terminator to `out` and returns the position after it.
TextChar* Append(TextChar* out, const TextChar* text) {
  while (*text != 0) *out++ = *text++;
  return out;
}

}  // namespace

void FillUnitSlots(UnitSlots& slots) {
  static_assert(kMaxUnits <= 9, "the unit number is a single digit");
  for (int i = 0; i < kMaxUnits; ++i) {
    UNIT_SLOT& slot = slots[i];
    slot.index = i;
    TextChar* end = Append(slot.path, DP_TEXT("\\\\.\\"));
    end = Append(end, kDeviceBaseName);
    end = Append(end, DP_TEXT("00"));
    *end++ = static_cast<TextChar>('1' + i);
    *end = 0;
  }
}

}  // namespace drvprop

#include "driver/UnitSlots.h"

namespace drvprop {

namespace {

// Expands the two conversions that kDevicePathFormat holds, as wsprintfW would: "%s" takes
// the base name and "%d" the unit number. The path buffer is far larger than any result.
void FormatDevicePath(TextChar* out, int unitNumber) {
  static_assert(kMaxUnits <= 9, "the unit number is a single digit");
  for (const TextChar* f = kDevicePathFormat; *f != 0; ++f) {
    if (f[0] == '%' && f[1] == 's') {
      for (const TextChar* b = kDeviceBaseName; *b != 0; ++b) *out++ = *b;
      ++f;
    } else if (f[0] == '%' && f[1] == 'd') {
      *out++ = static_cast<TextChar>('0' + unitNumber);
      ++f;
    } else {
      *out++ = *f;
    }
  }
  *out = 0;
}

}  // namespace

void FillUnitSlots(UnitSlots& slots) {
  for (int i = 0; i < kMaxUnits; ++i) {
    slots[i].index = i;
    FormatDevicePath(slots[i].path, i + 1);
  }
}

}  // namespace drvprop

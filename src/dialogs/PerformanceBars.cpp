#include "dialogs/PerformanceBars.h"

#include <algorithm>
#include <limits>

namespace drvprop {
namespace {

// The inputs are a trackbar's answers; whatever a misbehaving control returns must not
// overflow, so the sums are taken in 64 bits and brought back into int32.
int32_t Saturate(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

}  // namespace

BarLengths PerformanceBarLengths(int32_t rangeMax, int32_t pos, bool smallerChecked) {
  const int64_t stability = int64_t{pos} + 1 + (smallerChecked ? 0 : 1);
  const int64_t realTime = int64_t{rangeMax} + 3 - stability;
  return {Saturate(realTime), Saturate(stability)};
}

Text BarText(int32_t length) {
  return Text(static_cast<std::size_t>(std::max(length, 0)), TextChar{'O'});
}

}  // namespace drvprop

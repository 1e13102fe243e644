// The two bars of the "Audio Streaming Performance" group: a higher buffer level trades
// real-time performance for stability, and the smaller ASIO buffer trades one step back.
#pragma once

#include <cstdint>

#include "text/TextChar.h"

namespace drvprop {

struct BarLengths {
  int32_t realTime;
  int32_t stability;
};

// Lengths from the slider's range maximum and position and the smaller-buffer checkbox.
// With the slider's range 0..9 the two add up to 12.
BarLengths PerformanceBarLengths(int32_t rangeMax, int32_t pos, bool smallerChecked);

// A bar of `length` capital letters "O"; empty for a length of 0 or less.
Text BarText(int32_t length);

}  // namespace drvprop

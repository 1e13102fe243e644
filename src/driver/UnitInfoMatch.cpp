#include "driver/UnitInfoMatch.h"

#include <cstdint>

namespace drvprop {

namespace {

// Only A-Z: the block is bytes, not text in any code page, so nothing else is folded.
uint8_t FoldAsciiLetter(uint8_t byte) {
  return byte >= 'A' && byte <= 'Z' ? static_cast<uint8_t>(byte - 'A' + 'a') : byte;
}

}  // namespace

bool SameUnitInfo(const UNIT_INFO& a, const UNIT_INFO& b) {
  if (a.infoLength != b.infoLength || a.infoLength > kMaxInfoData) return false;
  for (uint32_t i = 0; i < a.infoLength; ++i) {
    if (FoldAsciiLetter(a.infoData[i]) != FoldAsciiLetter(b.infoData[i])) return false;
  }
  return true;
}

}  // namespace drvprop

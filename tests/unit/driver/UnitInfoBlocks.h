// Unit information blocks as a driver would fill them, for the matching tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "driver/DrvPropIoctl.h"

namespace drvprop::testing {

// `text` at the start of the block; `length` defaults to the text's own length and may
// claim more than the block holds.
inline UNIT_INFO InfoBlock(std::string_view text, uint32_t length) {
  UNIT_INFO info{};
  info.infoLength = length;
  std::copy_n(text.begin(), std::min<std::size_t>(text.size(), kMaxInfoData), info.infoData);
  return info;
}

inline UNIT_INFO InfoBlock(std::string_view text) {
  return InfoBlock(text, static_cast<uint32_t>(text.size()));
}

}  // namespace drvprop::testing

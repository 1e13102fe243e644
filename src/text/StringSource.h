#pragma once

#include <cstdint>
#include <optional>

#include "text/TextChar.h"

namespace drvprop {

// Where the panel's localised strings come from: the executable's string table on
// Windows, a fake in the native tests. A missing id and an empty entry both give nullopt.
class StringSource {
 public:
  virtual ~StringSource() = default;
  virtual std::optional<Text> Load(uint16_t id) const = 0;
};

}  // namespace drvprop

// The portable core's strings, taken from the executable's string table.
#pragma once

#include "text/StringSource.h"

class ResourceStringSource : public drvprop::StringSource {
 public:
  std::optional<drvprop::Text> Load(uint16_t id) const override;
};

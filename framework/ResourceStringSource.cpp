#include "framework/ResourceStringSource.h"

#include "framework/CString.h"

std::optional<drvprop::Text> ResourceStringSource::Load(uint16_t id) const {
  CString text;
  if (!text.LoadString(id)) return std::nullopt;
  return text.Str();
}

#include "RecordFields.h"

#include <charconv>

namespace qxdv {

#define QXDV_FIELD(name) \
  { #name, offsetof(DRVPROP_SETTINGS, name) / sizeof(int32_t) }
const RecordField kRecordFields[11] = {
    QXDV_FIELD(value280),        QXDV_FIELD(useSmallerAsioBuffer),
    QXDV_FIELD(bufferLevel),     QXDV_FIELD(value292),
    QXDV_FIELD(adjustAEnabled),  QXDV_FIELD(adjustA),
    QXDV_FIELD(adjustBEnabled),  QXDV_FIELD(adjustB),
    QXDV_FIELD(midiInLightLoad), QXDV_FIELD(value316),
    QXDV_FIELD(value320),
};
#undef QXDV_FIELD
static_assert(kRateTableEntries + 11 == sizeof(DRVPROP_SETTINGS) / sizeof(int32_t));

std::optional<uint32_t> FindRecordWord(std::string_view name) {
  for (const RecordField& field : kRecordFields) {
    if (name == field.name) return field.word;
  }
  constexpr std::string_view kTable = "rateTable[";
  if (name.starts_with(kTable) && name.ends_with(']')) {
    const std::string_view digits = name.substr(kTable.size(), name.size() - kTable.size() - 1);
    uint32_t index = 0;
    const auto [end, error] = std::from_chars(digits.begin(), digits.end(), index);
    if (error == std::errc() && end == digits.end() && !digits.empty() &&
        index < uint32_t(kRateTableEntries)) {
      return index;
    }
  }
  return std::nullopt;
}

}  // namespace qxdv

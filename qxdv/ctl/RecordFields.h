// The settings record's fields by the names the wire header gives them, so that tests can
// set and read single fields of a unit's stored record.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "driver/DrvPropIoctl.h"

namespace qxdv {

struct RecordField {
  const char* name;
  uint32_t word;  // index of the field's 32-bit word in DRVPROP_SETTINGS
};

// Every field after rateTable, in record order.
extern const RecordField kRecordFields[11];

// Word index of a field name, or of "rateTable[K]" for K in 0..69.
std::optional<uint32_t> FindRecordWord(std::string_view name);

}  // namespace qxdv

// The substitute driver scripted in-process through its control device, for runs that
// change the units between every user action: a request here costs well under a
// millisecond, where a qxdvctl.exe start costs a Wine process.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

#include "QxdvControl.h"

namespace drvprop::e2e {

// One command to one unit (1..4); `arg` and `values` as QxdvControl.h describes per op.
// False when the control device does not answer or refuses.
bool DriverCommand(qxdv::CommandOp op, int unit, std::initializer_list<int32_t> values = {},
                   uint32_t arg = 0);

std::optional<qxdv::QXDV_UNIT_STATE> ReadUnitState(int unit);

struct DriverLog {
  std::vector<qxdv::QXDV_LOG_ENTRY> entries;
  uint32_t dropped = 0;  // entries the ring lost before the oldest one kept
};
std::optional<DriverLog> ReadDriverLog();

}  // namespace drvprop::e2e

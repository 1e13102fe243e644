#include "harness/DriverControl.h"

#include <memory>

#include "ControlChannel.h"

namespace drvprop::e2e {

bool DriverCommand(qxdv::CommandOp op, int unit, std::initializer_list<int32_t> values,
                   uint32_t arg) {
  if (values.size() > qxdv::kMaxStatusScript) return false;
  qxdv::QXDV_COMMAND command{};
  command.op = op;
  command.unit = static_cast<uint32_t>(unit);
  command.arg = arg;
  command.count = static_cast<uint32_t>(values.size());
  uint32_t i = 0;
  for (int32_t value : values) command.values[i++] = value;
  return qxdv::SendCommand(command);
}

std::optional<qxdv::QXDV_UNIT_STATE> ReadUnitState(int unit) {
  qxdv::QXDV_UNIT_STATE state{};
  if (!qxdv::ReadUnit(static_cast<uint32_t>(unit), state)) return std::nullopt;
  return state;
}

std::optional<DriverLog> ReadDriverLog() {
  // About 7 KB: too much for a stack that a test's deep call chain shares.
  auto log = std::make_unique<qxdv::QXDV_LOG>();
  if (!qxdv::ReadLog(*log)) return std::nullopt;
  DriverLog result;
  result.dropped = log->dropped;
  const uint32_t count = log->count < qxdv::kLogCapacity ? log->count : qxdv::kLogCapacity;
  result.entries.assign(log->entries, log->entries + count);
  return result;
}

}  // namespace drvprop::e2e

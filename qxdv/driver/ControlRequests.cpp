#include "DriverState.h"

namespace qxdv {
namespace {

NTSTATUS RunCommand(DriverState& state, const QXDV_COMMAND& command) {
  if (command.op == kOpReset) {
    ResetUnits(state.units);
    state.log.Clear();
    return SyncUnitDevices(state);
  }
  if (command.op == kOpLogClear) {
    state.log.Clear();
    return STATUS_SUCCESS;
  }
  if (command.unit < 1 || command.unit > kUnitCount) return STATUS_INVALID_PARAMETER;
  QXDV_UNIT_STATE& unit = state.units[command.unit - 1];
  if (command.op == kOpPlug || command.op == kOpUnplug) {
    unit.plugged = command.op == kOpPlug ? 1 : 0;
    return SyncUnitDevices(state);
  }
  return ApplyUnitCommand(unit, command);
}

}  // namespace

NTSTATUS HandleControlRequest(DriverState& state, ULONG code, void* buffer, ULONG inLength,
                              ULONG outLength, ULONG& information) {
  information = 0;
  switch (code) {
    case QXDV_IOCTL_COMMAND:
      if (buffer == nullptr || inLength < sizeof(QXDV_COMMAND)) return STATUS_BUFFER_TOO_SMALL;
      return RunCommand(state, *static_cast<const QXDV_COMMAND*>(buffer));
    case QXDV_IOCTL_READ_UNIT: {
      if (buffer == nullptr || inLength < sizeof(uint32_t) || outLength < sizeof(QXDV_UNIT_STATE)) {
        return STATUS_BUFFER_TOO_SMALL;
      }
      const uint32_t unit = *static_cast<const uint32_t*>(buffer);
      if (unit < 1 || unit > kUnitCount) return STATUS_INVALID_PARAMETER;
      RtlCopyMemory(buffer, &state.units[unit - 1], sizeof(QXDV_UNIT_STATE));
      information = sizeof(QXDV_UNIT_STATE);
      return STATUS_SUCCESS;
    }
    case QXDV_IOCTL_READ_LOG:
      if (buffer == nullptr || outLength < sizeof(QXDV_LOG)) return STATUS_BUFFER_TOO_SMALL;
      state.log.CopyTo(*static_cast<QXDV_LOG*>(buffer));
      information = sizeof(QXDV_LOG);
      return STATUS_SUCCESS;
  }
  return STATUS_INVALID_DEVICE_REQUEST;
}

}  // namespace qxdv

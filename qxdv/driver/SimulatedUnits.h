// The simulated units: what each one answers to the panel's six requests, and how the
// control tool changes them. Pure state logic; devices, locking and logging live elsewhere.
#pragma once

#include <ntddk.h>

#include "QxdvControl.h"

namespace qxdv {

using UnitStates = QXDV_UNIT_STATE[kUnitCount];

// The state at driver load: unit 1 plugged with the record defaults, the others unplugged
// but otherwise alike, so plugging one makes it match unit 1.
void ResetUnits(UnitStates& units);

struct UnitAnswer {
  NTSTATUS status;
  ULONG information;  // bytes the I/O manager copies back
  bool hasStatusWord;
  int32_t statusWord;
};

// Answers one request on a unit device. `buffer` is the METHOD_BUFFERED system buffer of
// max(inLength, outLength) bytes; nothing is read or written beyond the checked lengths.
UnitAnswer AnswerUnitRequest(QXDV_UNIT_STATE& unit, ULONG code, void* buffer, ULONG inLength,
                             ULONG outLength);

// Applies one of the commands that change a single unit's answers (not plug, unplug,
// reset or log operations, which need the driver's devices or log).
NTSTATUS ApplyUnitCommand(QXDV_UNIT_STATE& unit, const QXDV_COMMAND& command);

}  // namespace qxdv

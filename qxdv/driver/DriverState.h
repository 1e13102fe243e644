// Everything the driver keeps between requests. Requests of the panel and of qxdvctl
// arrive on several threads of Wine's driver host, so all of it is touched only while
// `lock` is held.
#pragma once

#include <ntddk.h>

#include "QxdvControl.h"
#include "RequestLog.h"
#include "SimulatedUnits.h"

namespace qxdv {

struct DriverState {
  KMUTEX lock;
  PDRIVER_OBJECT driver;
  PDEVICE_OBJECT control;
  PDEVICE_OBJECT unitDevices[kUnitCount];
  LARGE_INTEGER loadTime;  // performance counter at DriverEntry
  LARGE_INTEGER counterFrequency;
  UnitStates units;
  RequestLog log;
};

// Creates or deletes unit devices until they match each unit's `plugged` flag. A unit
// whose device cannot be created is marked unplugged; the first failure is returned.
NTSTATUS SyncUnitDevices(DriverState& state);

// The three private requests of the control device.
NTSTATUS HandleControlRequest(DriverState& state, ULONG code, void* buffer, ULONG inLength,
                              ULONG outLength, ULONG& information);

}  // namespace qxdv

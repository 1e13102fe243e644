// Entry, unload and dispatch of the substitute driver. Every request is completed before
// the dispatch routine returns: a pending request, like IoDetachDevice at unload, hangs
// Wine's driver host.
#include "DriverState.h"
#include "NamedDevice.h"

namespace qxdv {
namespace {

// Zero-initialised storage: there is no C++ runtime here to run constructors.
constinit DriverState g_state{};

#define QXDV_UNIT_NAME(digit) L"" DRVPROP_DEVICE_BASE_NAME "00" digit
constexpr PCWSTR kUnitNames[kUnitCount] = {QXDV_UNIT_NAME("1"), QXDV_UNIT_NAME("2"),
                                           QXDV_UNIT_NAME("3"), QXDV_UNIT_NAME("4")};
#undef QXDV_UNIT_NAME
constexpr PCWSTR kControlName = L"" QXDV_CONTROL_NAME;

class StateLock {
 public:
  explicit StateLock(DriverState& state) : state_(state) {
    KeWaitForSingleObject(&state_.lock, Executive, KernelMode, FALSE, nullptr);
  }
  ~StateLock() { KeReleaseMutex(&state_.lock, FALSE); }
  StateLock(const StateLock&) = delete;
  StateLock& operator=(const StateLock&) = delete;

 private:
  DriverState& state_;
};

uint32_t MillisecondsSinceLoad(const DriverState& state) {
  if (state.counterFrequency.QuadPart <= 0) return 0;  // no counter: keep the log usable
  const LARGE_INTEGER now = KeQueryPerformanceCounter(nullptr);
  return static_cast<uint32_t>((now.QuadPart - state.loadTime.QuadPart) * 1000 /
                               state.counterFrequency.QuadPart);
}

// Which unit a device object belongs to, 1-based, or 0 when it is no longer plugged. The
// pointer is only compared, never followed: an unplugged device may already be gone.
uint32_t UnitOfDevice(const DriverState& state, PDEVICE_OBJECT device) {
  for (uint32_t i = 0; i < kUnitCount; ++i) {
    if (state.unitDevices[i] == device) return i + 1;
  }
  return 0;
}

NTSTATUS Complete(PIRP irp, NTSTATUS status, ULONG_PTR information) {
  irp->IoStatus.Status = status;
  irp->IoStatus.Information = information;
  IoCompleteRequest(irp, IO_NO_INCREMENT);
  return status;
}

NTSTATUS AnswerUnit(DriverState& state, uint32_t unit, ULONG code, void* buffer, ULONG inLength,
                    ULONG outLength, ULONG& information) {
  const UnitAnswer answer =
      AnswerUnitRequest(state.units[unit - 1], code, buffer, inLength, outLength);
  QXDV_LOG_ENTRY entry{};
  entry.milliseconds = MillisecondsSinceLoad(state);
  entry.unit = unit;
  entry.code = code;
  entry.result = answer.status;
  entry.information = answer.information;
  entry.flags = answer.hasStatusWord ? uint32_t{kLogHasStatus} : 0u;
  entry.statusAnswered = answer.statusWord;
  state.log.Add(entry);
  information = answer.information;
  return answer.status;
}

NTSTATUS DispatchDeviceControl(PDEVICE_OBJECT device, PIRP irp) {
  const PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
  const ULONG code = stack->Parameters.DeviceIoControl.IoControlCode;
  const ULONG inLength = stack->Parameters.DeviceIoControl.InputBufferLength;
  const ULONG outLength = stack->Parameters.DeviceIoControl.OutputBufferLength;
  void* buffer = irp->AssociatedIrp.SystemBuffer;

  DriverState& state = g_state;
  ULONG information = 0;
  NTSTATUS status = STATUS_NO_SUCH_DEVICE;
  {
    StateLock guard(state);
    if (device == state.control) {
      status = HandleControlRequest(state, code, buffer, inLength, outLength, information);
    } else if (const uint32_t unit = UnitOfDevice(state, device); unit != 0) {
      status = AnswerUnit(state, unit, code, buffer, inLength, outLength, information);
    }
  }
  return Complete(irp, status, information);
}

NTSTATUS DispatchOpenClose(PDEVICE_OBJECT, PIRP irp) { return Complete(irp, STATUS_SUCCESS, 0); }

void DriverUnload(PDRIVER_OBJECT) {
  DriverState& state = g_state;
  for (uint32_t i = 0; i < kUnitCount; ++i) DeleteNamedDevice(kUnitNames[i], state.unitDevices[i]);
  DeleteNamedDevice(kControlName, state.control);
}

}  // namespace

NTSTATUS SyncUnitDevices(DriverState& state) {
  NTSTATUS first = STATUS_SUCCESS;
  for (uint32_t i = 0; i < kUnitCount; ++i) {
    QXDV_UNIT_STATE& unit = state.units[i];
    if (unit.plugged == 0) {
      DeleteNamedDevice(kUnitNames[i], state.unitDevices[i]);
    } else if (state.unitDevices[i] == nullptr) {
      const NTSTATUS status = CreateNamedDevice(state.driver, kUnitNames[i], state.unitDevices[i]);
      if (!NT_SUCCESS(status)) {
        unit.plugged = 0;
        if (NT_SUCCESS(first)) first = status;
      }
    }
  }
  return first;
}

}  // namespace qxdv

extern "C" NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING) {
  using namespace qxdv;
  DriverState& state = g_state;
  KeInitializeMutex(&state.lock, 0);
  state.driver = driver;
  state.loadTime = KeQueryPerformanceCounter(&state.counterFrequency);
  driver->MajorFunction[IRP_MJ_CREATE] = DispatchOpenClose;
  driver->MajorFunction[IRP_MJ_CLEANUP] = DispatchOpenClose;
  driver->MajorFunction[IRP_MJ_CLOSE] = DispatchOpenClose;
  driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = DispatchDeviceControl;
  driver->DriverUnload = DriverUnload;

  NTSTATUS status = CreateNamedDevice(driver, kControlName, state.control);
  if (!NT_SUCCESS(status)) return status;
  ResetUnits(state.units);
  state.log.Clear();
  status = SyncUnitDevices(state);
  if (!NT_SUCCESS(status)) DriverUnload(driver);
  return status;
}

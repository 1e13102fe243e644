// A device object together with the \DosDevices link that makes \\.\NAME reachable from
// user mode. Deleting both is what "unplugging" a unit looks like to the panel.
#pragma once

#include <ntddk.h>

namespace qxdv {

// `name` is the bare name, e.g. L"Qxdv4829001". On failure `device` stays null.
NTSTATUS CreateNamedDevice(PDRIVER_OBJECT driver, PCWSTR name, PDEVICE_OBJECT& device);

// Deletes the link and the device if there is one, and nulls `device`.
void DeleteNamedDevice(PCWSTR name, PDEVICE_OBJECT& device);

}  // namespace qxdv

#include "NamedDevice.h"

namespace qxdv {
namespace {

constexpr USHORT kMaxPath = 64;

// prefix + name into `storage`, as a counted string; names here are short constants.
void JoinPath(PCWSTR prefix, PCWSTR name, WCHAR (&storage)[kMaxPath], UNICODE_STRING& path) {
  USHORT length = 0;
  const PCWSTR parts[] = {prefix, name};
  for (PCWSTR part : parts) {
    for (; *part != L'\0' && length + 1 < kMaxPath; ++part) storage[length++] = *part;
  }
  storage[length] = L'\0';
  RtlInitUnicodeString(&path, storage);
}

}  // namespace

NTSTATUS CreateNamedDevice(PDRIVER_OBJECT driver, PCWSTR name, PDEVICE_OBJECT& device) {
  WCHAR deviceStorage[kMaxPath];
  WCHAR linkStorage[kMaxPath];
  UNICODE_STRING devicePath;
  UNICODE_STRING linkPath;
  JoinPath(L"\\Device\\", name, deviceStorage, devicePath);
  JoinPath(L"\\DosDevices\\", name, linkStorage, linkPath);

  PDEVICE_OBJECT created = nullptr;
  NTSTATUS status = IoCreateDevice(driver, 0, &devicePath, FILE_DEVICE_UNKNOWN, 0, FALSE, &created);
  if (!NT_SUCCESS(status)) return status;
  status = IoCreateSymbolicLink(&linkPath, &devicePath);
  if (!NT_SUCCESS(status)) {
    IoDeleteDevice(created);
    return status;
  }
  created->Flags |= DO_BUFFERED_IO;
  created->Flags &= ~DO_DEVICE_INITIALIZING;
  device = created;
  return STATUS_SUCCESS;
}

void DeleteNamedDevice(PCWSTR name, PDEVICE_OBJECT& device) {
  if (device == nullptr) return;
  WCHAR linkStorage[kMaxPath];
  UNICODE_STRING linkPath;
  JoinPath(L"\\DosDevices\\", name, linkStorage, linkPath);
  IoDeleteSymbolicLink(&linkPath);
  IoDeleteDevice(device);
  device = nullptr;
}

}  // namespace qxdv

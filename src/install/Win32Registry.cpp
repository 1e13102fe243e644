#include "install/Win32Registry.h"

#include <windows.h>

namespace drvprop {
namespace {

HKEY ToHkey(RegistryKey key) { return reinterpret_cast<HKEY>(key.handle); }

}  // namespace

std::optional<RegistryKey> Win32Registry::OpenClassesRootKey(const TextChar* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return RegistryKey{reinterpret_cast<std::uintptr_t>(key)};
}

std::optional<uint32_t> Win32Registry::QueryValueSize(RegistryKey key, const TextChar* name) {
  DWORD size = 0;
  if (RegQueryValueExW(ToHkey(key), name, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return size;
}

std::optional<uint32_t> Win32Registry::QueryValue(RegistryKey key, const TextChar* name,
                                                  std::byte* buffer, uint32_t capacity) {
  DWORD size = capacity;
  if (RegQueryValueExW(ToHkey(key), name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer),
                       &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return size;
}

void Win32Registry::CloseKey(RegistryKey key) { RegCloseKey(ToHkey(key)); }

}  // namespace drvprop

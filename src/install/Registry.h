// The few registry calls the panel makes, behind an interface so that the reading rules can
// be tested without a registry. Read only; every key is opened under HKEY_CLASSES_ROOT.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "text/TextChar.h"

namespace drvprop {

// An open key as the implementation knows it (an HKEY on Windows).
struct RegistryKey {
  std::uintptr_t handle;
};

class Registry {
 public:
  virtual ~Registry() = default;

  // Opens `path` under HKEY_CLASSES_ROOT for reading; nullopt when it cannot be opened.
  virtual std::optional<RegistryKey> OpenClassesRootKey(const TextChar* path) = 0;

  // The size in bytes of a value's data, without reading them. `name` null means the
  // key's default value. nullopt when the value cannot be queried.
  virtual std::optional<uint32_t> QueryValueSize(RegistryKey key, const TextChar* name) = 0;

  // Reads a value's data, whatever its type, into `buffer` of `capacity` bytes; gives the
  // number of bytes stored, or nullopt when the read fails (also when the data do not fit).
  virtual std::optional<uint32_t> QueryValue(RegistryKey key, const TextChar* name,
                                             std::byte* buffer, uint32_t capacity) = 0;

  virtual void CloseKey(RegistryKey key) = 0;
};

}  // namespace drvprop

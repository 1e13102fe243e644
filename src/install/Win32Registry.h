#pragma once

#include "install/Registry.h"

namespace drvprop {

// The registry of the running system.
class Win32Registry final : public Registry {
 public:
  std::optional<RegistryKey> OpenClassesRootKey(const TextChar* path) override;
  std::optional<uint32_t> QueryValueSize(RegistryKey key, const TextChar* name) override;
  std::optional<uint32_t> QueryValue(RegistryKey key, const TextChar* name, std::byte* buffer,
                                     uint32_t capacity) override;
  void CloseKey(RegistryKey key) override;
};

}  // namespace drvprop

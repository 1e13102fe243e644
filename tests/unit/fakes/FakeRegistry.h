// A registry in memory: keys by path, values as raw bytes of any length, and a log of every
// call so that tests can see which keys were opened and that each one was closed again.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <vector>

#include "install/Registry.h"

namespace drvprop::test {

using Bytes = std::vector<std::byte>;

// The bytes of `text` as UTF-16 data, with a terminating NUL when `terminated`.
Bytes Utf16Bytes(TextView text, bool terminated = true);

class FakeRegistry final : public Registry {
 public:
  enum class Call { kOpen, kQuerySize, kQuery, kClose };

  void AddKey(const Text& path);
  // Adds the key when needed; an empty name is the default value, as in the registry.
  void SetValue(const Text& path, const Text& name, Bytes data);

  // A value that changes between the size query and the read: the read then fails.
  bool failReads = false;

  const std::vector<Call>& Log() const { return log_; }
  const std::vector<Text>& OpenedPaths() const { return openedPaths_; }
  int OpenKeyCount() const { return static_cast<int>(open_.size()); }

  std::optional<RegistryKey> OpenClassesRootKey(const TextChar* path) override;
  std::optional<uint32_t> QueryValueSize(RegistryKey key, const TextChar* name) override;
  std::optional<uint32_t> QueryValue(RegistryKey key, const TextChar* name, std::byte* buffer,
                                     uint32_t capacity) override;
  void CloseKey(RegistryKey key) override;

 private:
  using Values = std::map<Text, Bytes>;
  const Bytes* FindValue(RegistryKey key, const TextChar* name) const;

  std::map<Text, Values> keys_;
  std::map<std::uintptr_t, Text> open_;  // handle -> path of each key not yet closed
  std::uintptr_t nextHandle_ = 1;
  std::vector<Call> log_;
  std::vector<Text> openedPaths_;
};

}  // namespace drvprop::test

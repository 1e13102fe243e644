#include "fakes/FakeRegistry.h"

#include <algorithm>
#include <stdexcept>

namespace drvprop::test {

Bytes Utf16Bytes(TextView text, bool terminated) {
  Bytes bytes((text.size() + (terminated ? 1 : 0)) * sizeof(TextChar));
  const auto* units = reinterpret_cast<const std::byte*>(text.data());
  std::copy(units, units + text.size() * sizeof(TextChar), bytes.begin());
  return bytes;
}

void FakeRegistry::AddKey(const Text& path) { keys_[path]; }

void FakeRegistry::SetValue(const Text& path, const Text& name, Bytes data) {
  keys_[path][name] = std::move(data);
}

std::optional<RegistryKey> FakeRegistry::OpenClassesRootKey(const TextChar* path) {
  log_.push_back(Call::kOpen);
  openedPaths_.emplace_back(path);
  if (!keys_.contains(path)) return std::nullopt;
  const RegistryKey key{nextHandle_++};
  open_[key.handle] = path;
  return key;
}

const Bytes* FakeRegistry::FindValue(RegistryKey key, const TextChar* name) const {
  const auto openKey = open_.find(key.handle);
  // A handle that is not open is a fault of the code under test, not a missing value.
  if (openKey == open_.end()) throw std::logic_error("registry key used while not open");
  const Values& values = keys_.at(openKey->second);
  const auto value = values.find(name ? Text(name) : Text());
  return value == values.end() ? nullptr : &value->second;
}

std::optional<uint32_t> FakeRegistry::QueryValueSize(RegistryKey key, const TextChar* name) {
  log_.push_back(Call::kQuerySize);
  const Bytes* value = FindValue(key, name);
  if (!value) return std::nullopt;
  return static_cast<uint32_t>(value->size());
}

std::optional<uint32_t> FakeRegistry::QueryValue(RegistryKey key, const TextChar* name,
                                                 std::byte* buffer, uint32_t capacity) {
  log_.push_back(Call::kQuery);
  const Bytes* value = FindValue(key, name);
  if (!value || failReads || value->size() > capacity) return std::nullopt;
  std::copy(value->begin(), value->end(), buffer);
  return static_cast<uint32_t>(value->size());
}

void FakeRegistry::CloseKey(RegistryKey key) {
  log_.push_back(Call::kClose);
  if (open_.erase(key.handle) == 0) throw std::logic_error("registry key closed twice");
}

}  // namespace drvprop::test

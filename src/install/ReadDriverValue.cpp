#include "install/ReadDriverValue.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "install/DriverKey.h"

namespace drvprop {
namespace {

// The registry does not promise a terminator, and a value need not be a whole number of
// UTF-16 units; only the whole units actually read are taken, so the text never runs past
// the data.
Text TextFromValueData(const std::byte* data, uint32_t size) {
  Text text(size / sizeof(TextChar), TextChar{});
  std::memcpy(text.data(), data, text.size() * sizeof(TextChar));
  const std::size_t end = text.find(TextChar{});
  if (end != Text::npos) text.resize(end);
  return text;
}

std::optional<Text> ReadFromOpenKey(Registry& registry, RegistryKey key, const TextChar* name) {
  const std::optional<uint32_t> size = registry.QueryValueSize(key, name);
  if (!size || *size >= kMaxValueBytes) return std::nullopt;
  std::array<std::byte, kMaxValueBytes> buffer{};
  const std::optional<uint32_t> read =
      registry.QueryValue(key, name, buffer.data(), static_cast<uint32_t>(buffer.size()));
  if (!read) return std::nullopt;
  return TextFromValueData(buffer.data(), std::min(*read, kMaxValueBytes));
}

}  // namespace

std::optional<Text> ReadDriverValue(Registry& registry, const TextChar* name) {
  const std::optional<RegistryKey> key = registry.OpenClassesRootKey(DriverKeyPath().c_str());
  if (!key) return std::nullopt;
  std::optional<Text> value = ReadFromOpenKey(registry, *key, name);
  registry.CloseKey(*key);
  return value;
}

}  // namespace drvprop

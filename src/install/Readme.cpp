#include "install/Readme.h"

#include "install/ReadDriverValue.h"
#include "text/StringIds.h"

namespace drvprop {

Text GetReadmePath(Registry& registry, const StringSource& strings) {
  const std::optional<Text> folder = ReadDriverValue(registry, nullptr);
  if (!folder || folder->empty()) return {};
  const std::optional<Text> name = strings.Load(IDS_README_NAME);
  if (!name) return {};
  return *folder + TextChar{'\\'} + *name;
}

bool ReadmeExists(Registry& registry, const StringSource& strings, Files& files) {
  const Text path = GetReadmePath(registry, strings);
  if (path.empty()) return false;
  const std::optional<FoundEntry> entry = files.FindFirst(path);
  return entry && !entry->isDirectory;
}

}  // namespace drvprop

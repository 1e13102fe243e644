#include "install/Win32Files.h"

#include <windows.h>

namespace drvprop {

std::optional<FoundEntry> Win32Files::FindFirst(const Text& path) {
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return std::nullopt;
  FindClose(search);
  return FoundEntry{(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0};
}

}  // namespace drvprop

#pragma once

#include "install/Files.h"

namespace drvprop {

// The file system of the running system.
class Win32Files final : public Files {
 public:
  std::optional<FoundEntry> FindFirst(const Text& path) override;
};

}  // namespace drvprop

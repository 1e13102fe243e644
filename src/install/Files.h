// The one file-system question the panel asks, behind an interface so that the README rules
// can be tested without files.
#pragma once

#include <optional>

#include "text/TextChar.h"

namespace drvprop {

struct FoundEntry {
  bool isDirectory;
};

class Files {
 public:
  virtual ~Files() = default;
  // The first entry a file search for `path` finds (the search is closed again), or
  // nullopt when it finds none.
  virtual std::optional<FoundEntry> FindFirst(const Text& path) = 0;
};

}  // namespace drvprop

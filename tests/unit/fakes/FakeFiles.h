// A file system in memory: the entries that exist, and every path that was searched for.
#pragma once

#include <map>
#include <optional>
#include <vector>

#include "install/Files.h"

namespace drvprop::test {

class FakeFiles final : public Files {
 public:
  void AddFile(const Text& path) { entries_[path] = false; }
  void AddDirectory(const Text& path) { entries_[path] = true; }

  const std::vector<Text>& Searches() const { return searches_; }

  std::optional<FoundEntry> FindFirst(const Text& path) override {
    searches_.push_back(path);
    const auto found = entries_.find(path);
    if (found == entries_.end()) return std::nullopt;
    return FoundEntry{found->second};
  }

 private:
  std::map<Text, bool> entries_;  // path -> is a directory
  std::vector<Text> searches_;
};

}  // namespace drvprop::test

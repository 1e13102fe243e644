// A string table in memory. Like the executable's table, an empty entry reads as missing.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <utility>

#include "text/StringSource.h"

namespace drvprop::test {

class FakeStrings final : public StringSource {
 public:
  FakeStrings() = default;
  FakeStrings(std::initializer_list<std::pair<const uint16_t, Text>> entries) : entries_(entries) {}

  std::optional<Text> Load(uint16_t id) const override {
    const auto found = entries_.find(id);
    if (found == entries_.end() || found->second.empty()) return std::nullopt;
    return found->second;
  }

 private:
  std::map<uint16_t, Text> entries_;
};

}  // namespace drvprop::test

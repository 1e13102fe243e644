// Reads a fuzzer's input as a stream of decisions and values. Once the bytes run out every
// read gives zeros, which the targets treat as "fails" or "absent", so any input, however
// short, drives a target to its end.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "text/TextChar.h"

namespace drvprop::fuzz {

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, std::size_t size) : rest_(data, size) {}

  // Up to `count` bytes; fewer when the input ends first.
  std::span<const uint8_t> Bytes(std::size_t count) {
    const std::span<const uint8_t> taken = rest_.first(std::min(count, rest_.size()));
    rest_ = rest_.subspan(taken.size());
    return taken;
  }

  uint8_t Byte() { return Value<uint8_t>(); }
  uint16_t U16() { return Value<uint16_t>(); }
  int32_t I32() { return Value<int32_t>(); }

  // A text of up to `maxUnits` UTF-16 code units, its length read first.
  Text TakeText(std::size_t maxUnits) {
    const std::size_t units = Byte() % (maxUnits + 1);
    const std::span<const uint8_t> bytes = Bytes(units * sizeof(TextChar));
    Text text(bytes.size() / sizeof(TextChar), TextChar{});
    if (!text.empty()) std::memcpy(text.data(), bytes.data(), text.size() * sizeof(TextChar));
    return text;
  }

 private:
  // Little-endian like the driver's words; missing bytes read as zero.
  template <typename T>
  T Value() {
    T value{};
    const std::span<const uint8_t> bytes = Bytes(sizeof value);
    // An exhausted input gives an empty span whose pointer may be null.
    if (!bytes.empty()) std::memcpy(&value, bytes.data(), bytes.size());
    return value;
  }

  std::span<const uint8_t> rest_;
};

// One run of a target over one input; each target defines it, FuzzEntry.cpp calls it.
void FuzzOne(FuzzInput& input);

}  // namespace drvprop::fuzz

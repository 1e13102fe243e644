// Token replacement with any text, token and replacement, held against a plain reference:
// the same text, the same count, and the length that count implies. Texts are built from
// a small alphabet half the time, so that tokens and their overlaps occur often.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "ReferenceReplace.h"
#include "text/TokenReplace.h"

namespace drvprop::fuzz {
namespace {

constexpr std::size_t kMaxTokenUnits = 12;
constexpr std::size_t kMaxTextUnits = 256;

// Each byte becomes 'a', 'b' or '_': short inputs then hold repeated, overlapping tokens
// such as "aa" in "aaa", where a rescanning or overlapping search would count differently.
Text NarrowText(FuzzInput& input, std::size_t maxUnits) {
  const std::span<const uint8_t> bytes = input.Bytes(input.Byte() % (maxUnits + 1));
  Text text;
  for (const uint8_t byte : bytes) text += DP_TEXT("ab_")[byte % 3];
  return text;
}

Text AnyText(FuzzInput& input, bool narrow, std::size_t maxUnits) {
  return narrow ? NarrowText(input, maxUnits) : input.TakeText(maxUnits);
}

}  // namespace

void FuzzOne(FuzzInput& input) {
  const bool narrow = (input.Byte() & 1) != 0;
  const Text oldText = AnyText(input, narrow, kMaxTokenUnits);
  const Text newText = AnyText(input, narrow, kMaxTokenUnits);
  const Text original = AnyText(input, narrow, kMaxTextUnits);

  Text text = original;
  const std::size_t count = ReplaceAll(text, oldText, newText);
  const Replaced expected = ReferenceReplace(original, oldText, newText);
  FUZZ_CHECK(count == expected.count);
  FUZZ_CHECK(text == expected.text);
  FUZZ_CHECK(text.size() == original.size() + count * newText.size() - count * oldText.size());
}

}  // namespace drvprop::fuzz

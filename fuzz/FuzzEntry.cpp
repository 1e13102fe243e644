// The entry point libFuzzer (or the corpus replay) calls: every target only reads its input.
#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  drvprop::fuzz::FuzzInput input(data, size);
  drvprop::fuzz::FuzzOne(input);
  return 0;
}

#include "driver/UnitSlots.h"

#include <gtest/gtest.h>

#include <string>

#include "text/TokenReplace.h"

namespace drvprop {
namespace {

std::string Narrow(TextView text) { return std::string(text.begin(), text.end()); }

TEST(UnitSlots, FourFixedControlDevicePaths) {
  UnitSlots slots;
  FillUnitSlots(slots);
  const char* const expected[kMaxUnits] = {R"(\\.\Qxdv4829001)", R"(\\.\Qxdv4829002)",
                                           R"(\\.\Qxdv4829003)", R"(\\.\Qxdv4829004)"};
  for (int i = 0; i < kMaxUnits; ++i) {
    EXPECT_EQ(slots[i].index, i);
    EXPECT_EQ(Narrow(slots[i].path), expected[i]);
  }
}

// Start-up formats the paths with wsprintfW; the format must give what FillUnitSlots gives.
TEST(UnitSlots, PathFormatAgreesWithFilledPaths) {
  UnitSlots slots;
  FillUnitSlots(slots);
  for (int i = 0; i < kMaxUnits; ++i) {
    Text formatted(kDevicePathFormat);
    ReplaceAll(formatted, DP_TEXT("%s"), kDeviceBaseName);
    const TextChar unitNumber[] = {static_cast<TextChar>('1' + i), 0};
    ReplaceAll(formatted, DP_TEXT("%d"), unitNumber);
    EXPECT_EQ(formatted, TextView(slots[i].path));
  }
}

}  // namespace
}  // namespace drvprop

#include "driver/UnitSlots.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace drvprop

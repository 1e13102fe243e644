#include "dialogs/PerformanceBars.h"

#include <limits>

#include <gtest/gtest.h>

namespace drvprop {
namespace {

TEST(PerformanceBarLengthsTest, EachLevelMovesOneStepFromRealTimeToStability) {
  for (int32_t pos = 0; pos <= 9; ++pos) {
    SCOPED_TRACE(pos);
    const BarLengths unchecked = PerformanceBarLengths(9, pos, false);
    EXPECT_EQ(unchecked.realTime, 10 - pos);
    EXPECT_EQ(unchecked.stability, pos + 2);
    const BarLengths checked = PerformanceBarLengths(9, pos, true);
    EXPECT_EQ(checked.realTime, 11 - pos);
    EXPECT_EQ(checked.stability, pos + 1);
  }
}

TEST(PerformanceBarLengthsTest, ExtremeSliderAnswersDoNotOverflow) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  const BarLengths high = PerformanceBarLengths(9, kMax, false);
  EXPECT_EQ(high.stability, kMax);
  EXPECT_EQ(high.realTime, 9 + 3 - static_cast<int64_t>(kMax) - 2);
  const BarLengths low = PerformanceBarLengths(kMin, kMin, true);
  EXPECT_EQ(low.stability, kMin + 1);
  EXPECT_EQ(low.realTime, 2);
  EXPECT_EQ(PerformanceBarLengths(kMax, -1, true).realTime, kMax);
}

TEST(BarTextTest, IsARunOfCapitalOs) {
  EXPECT_EQ(BarText(11), DP_TEXT("OOOOOOOOOOO"));
  EXPECT_EQ(BarText(1), DP_TEXT("O"));
  EXPECT_EQ(BarText(0), Text());
  EXPECT_EQ(BarText(-5), Text());
  EXPECT_EQ(BarText(std::numeric_limits<int32_t>::min()), Text());
}

}  // namespace
}  // namespace drvprop

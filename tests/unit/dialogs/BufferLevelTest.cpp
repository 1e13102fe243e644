#include "dialogs/BufferLevel.h"

#include <cstring>
#include <limits>

#include <gtest/gtest.h>

namespace drvprop {
namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(ClampLevelTest, KeepsEveryLevelInTheSlidersRange) {
  const struct {
    int32_t level;
    int32_t expected;
  } cases[] = {{kMin, 0}, {-1, 0}, {0, 0}, {5, 5}, {9, 9}, {10, 9}, {kMax, 9}};
  for (const auto& c : cases) EXPECT_EQ(ClampLevel(c.level), c.expected) << c.level;
}

TEST(LevelBoundTest, IsMultiplierTimesDepthPerLevel) {
  constexpr int32_t kBounds[kLevelCount] = {2, 3, 4, 5, 6, 8, 12, 16, 25, 42};
  for (int32_t level = 0; level <= kMaxBufferLevel; ++level) {
    EXPECT_EQ(LevelBound(level), kBounds[level]) << level;
  }
  // A level the driver sends outside the range takes the bound of the nearer end.
  EXPECT_EQ(LevelBound(-7), 2);
  EXPECT_EQ(LevelBound(kMax), 42);
}

TEST(BoundedValueTest, DisabledIsZeroEnabledIsLimitedToTheLevelsBound) {
  const struct {
    int32_t level;
    int32_t enable;
    int32_t value;
    int32_t expected;
  } cases[] = {
      {0, 1, -3, -2},   {0, 1, 2, 2},     {9, 1, 100, 42},     {9, 1, -42, -42}, {5, 0, 5, 0},
      {5, 0, -8, 0},    {3, 7, 5, 5},     {2, 7, 5, 4},        {2, -1, -5, -4},  {0, 1, kMin, -2},
      {9, 1, kMax, 42}, {12, 1, 100, 42}, {kMin, 1, -100, -2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BoundedValue(c.enable, c.value, c.level), c.expected)
        << "level " << c.level << " enable " << c.enable << " value " << c.value;
  }
}

class ClampBoundedValuesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(&settings_, 0x5A, sizeof settings_);
    SetSettingsDefaults(settings_);
  }
  DRVPROP_SETTINGS settings_;
};

TEST_F(ClampBoundedValuesTest, BoundsBothPairsByTheRecordsLevelAndNothingElse) {
  settings_.bufferLevel = 0;
  settings_.adjustAEnabled = 0;
  settings_.adjustA = 5;
  settings_.adjustBEnabled = 3;
  settings_.adjustB = 30;
  DRVPROP_SETTINGS expected = settings_;
  expected.adjustA = 0;
  expected.adjustB = 2;

  ClampBoundedValues(settings_);

  EXPECT_EQ(std::memcmp(&settings_, &expected, sizeof settings_), 0);
}

TEST_F(ClampBoundedValuesTest, LevelOutsideTheRangeUsesTheNearerEndAndIsLeftAsSent) {
  settings_.bufferLevel = 1000;
  settings_.adjustA = 100;
  settings_.adjustB = -100;
  ClampBoundedValues(settings_);
  EXPECT_EQ(settings_.adjustA, 42);
  EXPECT_EQ(settings_.adjustB, -42);
  EXPECT_EQ(settings_.bufferLevel, 1000);

  settings_.bufferLevel = -1;
  ClampBoundedValues(settings_);
  EXPECT_EQ(settings_.adjustA, 2);
  EXPECT_EQ(settings_.adjustB, -2);
}

}  // namespace
}  // namespace drvprop

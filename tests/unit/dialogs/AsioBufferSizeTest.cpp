#include "dialogs/AsioBufferSize.h"

#include <limits>
#include <ostream>

#include <gtest/gtest.h>

#include "dialogs/BufferLevel.h"

namespace drvprop {
namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

struct SizeCase {
  int32_t rate;
  int32_t level;
  bool smaller;
  int32_t units;
  int32_t expected;
};

std::ostream& operator<<(std::ostream& out, const SizeCase& c) {
  return out << c.rate << " Hz, level " << c.level << (c.smaller ? ", smaller" : "") << ", "
             << c.units << " units";
}

class AsioBufferSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(AsioBufferSizeTest, MatchesTheDriversSize) {
  const SizeCase& c = GetParam();
  EXPECT_EQ(AsioBufferSize(c.units, c.rate, c.level, c.smaller), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedResults, AsioBufferSizeTest,
    ::testing::Values(SizeCase{44100, 5, false, 1, 288}, SizeCase{32000, 0, true, 1, 96},
                      SizeCase{48000, 0, true, 1, 112}, SizeCase{48000, 9, false, 2, 1440},
                      SizeCase{44100, 0, false, 2, 224}, SizeCase{44100, 0, false, 4, 368},
                      SizeCase{44100, 6, false, 4, 1088}, SizeCase{88200, 3, true, 2, 320},
                      SizeCase{96000, 5, false, 3, 1280}, SizeCase{176400, 7, true, 3, 3712},
                      SizeCase{192000, 9, false, 4, 10080}, SizeCase{192001, 5, false, 1, 1312},
                      SizeCase{192001, 5, true, 1, 928}, SizeCase{352800, 5, true, 1, 1696},
                      SizeCase{384000, 5, false, 3, 5248}, SizeCase{768000, 9, true, 4, 27840}));

// Level 0 and one unit show the band's base itself.
INSTANTIATE_TEST_SUITE_P(
    BandEdges, AsioBufferSizeTest,
    ::testing::Values(SizeCase{0, 5, false, 1, 288}, SizeCase{-1, 5, false, 1, 288},
                      SizeCase{kMin, 5, false, 1, 288}, SizeCase{44100, 0, false, 1, 144},
                      SizeCase{44100, 0, true, 1, 96}, SizeCase{44101, 0, false, 1, 160},
                      SizeCase{44101, 0, true, 1, 112}, SizeCase{48001, 0, false, 1, 288},
                      SizeCase{88200, 0, true, 1, 208}, SizeCase{88201, 0, false, 1, 320},
                      SizeCase{96001, 0, true, 1, 464}, SizeCase{192000, 0, false, 1, 672},
                      SizeCase{192000, 0, true, 1, 464}, SizeCase{192001, 0, false, 1, 656},
                      SizeCase{192001, 0, true, 1, 464}));

// Unit counts the driver does not scale: 0 counts as one unit, the rest are left as they are.
INSTANTIATE_TEST_SUITE_P(
    UnitCounts, AsioBufferSizeTest,
    ::testing::Values(SizeCase{44100, 0, false, 0, 144}, SizeCase{44100, 0, false, 3, 288},
                      SizeCase{44100, 0, false, 5, 144}, SizeCase{44100, 0, false, -1, 144},
                      SizeCase{44100, 0, false, kMax, 144}, SizeCase{44100, 0, false, kMin, 144}));

// A level outside the slider's range from the driver counts as the nearer end.
INSTANTIATE_TEST_SUITE_P(LevelsOutsideTheRange, AsioBufferSizeTest,
                         ::testing::Values(SizeCase{44100, 10, false, 1, 864},
                                           SizeCase{44100, kMax, false, 1, 864},
                                           SizeCase{44100, -1, false, 1, 144},
                                           SizeCase{44100, kMin, false, 1, 144}));

// Where factor x rate + 9999 no longer fits 32 bits (from 63160990 Hz normal and 89478069 Hz
// smaller), the size goes on from its neighbour instead of wrapping.
INSTANTIATE_TEST_SUITE_P(HighRates, AsioBufferSizeTest,
                         ::testing::Values(SizeCase{63160989, 0, false, 1, 214752},
                                           SizeCase{63160990, 0, false, 1, 214752},
                                           SizeCase{89478068, 0, true, 1, 214752},
                                           SizeCase{89478069, 0, true, 1, 214752},
                                           SizeCase{kMax, 9, false, 4, 109521840},
                                           SizeCase{kMax, 9, true, 4, 77309520}));

// Above the bands the size is computed; it must never fall or leave the quantum, up to the
// highest rate a 32-bit word can hold.
TEST(AsioBufferSizeRangeTest, ComputedSizeGrowsWithTheRateAndStaysWhole) {
  for (bool smaller : {false, true}) {
    for (int32_t units = 0; units <= 4; ++units) {
      for (int32_t level = 0; level <= kMaxBufferLevel; ++level) {
        int32_t previous = 0;
        // Steps of about 1.5 % pass the wrap points of the 32-bit formula.
        for (int64_t rate = 192001; rate <= kMax; rate += rate / 64 + 1) {
          const int32_t size = AsioBufferSize(units, static_cast<int32_t>(rate), level, smaller);
          ASSERT_GE(size, previous) << rate;
          ASSERT_EQ(size % kAsioSizeQuantum, 0) << rate;
          previous = size;
        }
        ASSERT_GE(AsioBufferSize(units, kMax, level, smaller), previous);
      }
    }
  }
}

}  // namespace
}  // namespace drvprop

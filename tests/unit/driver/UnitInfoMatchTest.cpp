#include "driver/UnitInfoMatch.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

#include "UnitInfoBlocks.h"
#include "CaseName.h"

namespace drvprop::testing {
namespace {

struct MatchCase {
  const char* name;
  UNIT_INFO a;
  UNIT_INFO b;
  bool same;
};
// Names the case in test listings instead of dumping its bytes.
void PrintTo(const MatchCase& c, std::ostream* os) { *os << c.name; }

class SameUnitInfoCases : public ::testing::TestWithParam<MatchCase> {};

TEST_P(SameUnitInfoCases, ComparesBothWays) {
  const MatchCase& c = GetParam();
  EXPECT_EQ(SameUnitInfo(c.a, c.b), c.same);
  EXPECT_EQ(SameUnitInfo(c.b, c.a), c.same);
}

const std::string kFullBlock(kMaxInfoData, 'Q');

INSTANTIATE_TEST_SUITE_P(
    Table, SameUnitInfoCases,
    ::testing::Values(
        MatchCase{"Identical", InfoBlock("Talvex 4829"), InfoBlock("Talvex 4829"), true},
        MatchCase{"LetterCaseIgnored", InfoBlock("Talvex AZaz"), InfoBlock("tALVEX azAZ"), true},
        MatchCase{"BothEmpty", InfoBlock("abc", 0), InfoBlock("xyz", 0), true},
        MatchCase{"BytesBeyondTheLengthIgnored", InfoBlock("abcX", 3), InfoBlock("abcY", 3), true},
        MatchCase{"FullBlock", InfoBlock(kFullBlock), InfoBlock(kFullBlock), true},
        MatchCase{"DifferentLength", InfoBlock("Talvex"), InfoBlock("Talvex", 5), false},
        MatchCase{"DifferentByte", InfoBlock("unit 1"), InfoBlock("unit 2"), false},
        // Neighbours of the letter ranges, and bytes that are letters only in some code page,
        // are not folded.
        MatchCase{"AtSignIsNotBacktick", InfoBlock("@"), InfoBlock("`"), false},
        MatchCase{"BracketIsNotBrace", InfoBlock("["), InfoBlock("{"), false},
        MatchCase{"HighBytesExact", InfoBlock("\xC4"), InfoBlock("\xE4"), false},
        MatchCase{"LengthBeyondTheBlock", InfoBlock(kFullBlock, kMaxInfoData + 1),
                  InfoBlock(kFullBlock, kMaxInfoData + 1), false},
        MatchCase{"HugeLength", InfoBlock("x", 0xFFFFFFFFu), InfoBlock("x", 0xFFFFFFFFu), false}),
    CaseName<MatchCase>);

}  // namespace
}  // namespace drvprop::testing

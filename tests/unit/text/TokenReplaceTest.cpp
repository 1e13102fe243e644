#include "text/TokenReplace.h"

#include <gtest/gtest.h>

namespace drvprop {
namespace {

struct ReplaceCase {
  const char* what;
  const TextChar* text;
  const TextChar* oldText;
  const TextChar* newText;
  const TextChar* expected;
  std::size_t count;
};

constexpr ReplaceCase kReplaceCases[] = {
    {"every occurrence", DP_TEXT("__MODEL__ and __MODEL__"), DP_TEXT("__MODEL__"),
     DP_TEXT("Talvex"), DP_TEXT("Talvex and Talvex"), 2},
    {"adjacent occurrences", DP_TEXT("__MODEL____MODEL__"), DP_TEXT("__MODEL__"), DP_TEXT("x"),
     DP_TEXT("xx"), 2},
    {"inserted text is not searched again", DP_TEXT("v __VERSION__."), DP_TEXT("__VERSION__"),
     DP_TEXT("1 __VERSION__"), DP_TEXT("v 1 __VERSION__."), 1},
    {"occurrences never overlap", DP_TEXT("aaa"), DP_TEXT("aa"), DP_TEXT("b"), DP_TEXT("ba"), 1},
    {"case-sensitive", DP_TEXT("__model__"), DP_TEXT("__MODEL__"), DP_TEXT("Talvex"),
     DP_TEXT("__model__"), 0},
    {"empty old text replaces nothing", DP_TEXT("abc"), DP_TEXT(""), DP_TEXT("x"), DP_TEXT("abc"),
     0},
    {"replacement by nothing", DP_TEXT("a__MODEL__b"), DP_TEXT("__MODEL__"), DP_TEXT(""),
     DP_TEXT("ab"), 1},
    {"empty text", DP_TEXT(""), DP_TEXT("__MODEL__"), DP_TEXT("x"), DP_TEXT(""), 0},
};

TEST(ReplaceAllTest, FollowsTheSubstitutionRules) {
  for (const ReplaceCase& c : kReplaceCases) {
    SCOPED_TRACE(c.what);
    Text text = c.text;
    EXPECT_EQ(ReplaceAll(text, c.oldText, c.newText), c.count);
    EXPECT_EQ(text, Text(c.expected));
  }
}

}  // namespace
}  // namespace drvprop

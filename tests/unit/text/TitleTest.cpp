#include "text/Title.h"

#include <gtest/gtest.h>

#include "fakes/FakeStrings.h"
#include "text/StringIds.h"

namespace drvprop {
namespace {

using test::FakeStrings;

TEST(LoadTitleTest, FillsInTheModelNameOfEachLanguage) {
  EXPECT_EQ(LoadTitle(FakeStrings{{IDS_STR_TITLE, DP_TEXT("__MODEL__ Driver Settings")}}),
            DP_TEXT("Talvex Driver Settings"));
  EXPECT_EQ(LoadTitle(FakeStrings{{IDS_STR_TITLE, DP_TEXT("__MODEL__ Treibereinstellungen")}}),
            DP_TEXT("Talvex Treibereinstellungen"));
  EXPECT_EQ(LoadTitle(FakeStrings{{IDS_STR_TITLE, DP_TEXT("__MODEL__ / __MODEL__ __model__")}}),
            DP_TEXT("Talvex / Talvex __model__"));
}

TEST(LoadTitleTest, MissingTitleGivesEmptyText) { EXPECT_EQ(LoadTitle(FakeStrings{}), Text()); }

}  // namespace
}  // namespace drvprop

// String table access of the framework layer, against this executable's own table.
#include <gtest/gtest.h>

#include <string>

#include "FrameworkTestIds.h"
#include "framework/CString.h"
#include "framework/WinApp.h"

namespace {

TEST(CStringLoadString, LoadsWholeEntriesBeyondAnyFixedBuffer) {
  CString text;
  ASSERT_TRUE(text.LoadString(IDS_TEST_TEXT));
  EXPECT_EQ(text.Str(), L"Talvex __MODEL__");

  std::wstring expected;
  for (int i = 0; i < 30; ++i) expected += L"0123456789";
  ASSERT_TRUE(text.LoadString(IDS_TEST_LONG));
  EXPECT_EQ(text.Str(), expected);
}

TEST(CStringLoadString, EmptyEntryFailsLikeAMissingOneAndKeepsTheText) {
  for (UINT id : {IDS_TEST_EMPTY, IDS_TEST_UNLISTED, IDS_TEST_NO_BLOCK}) {
    CString text;
    ASSERT_TRUE(text.LoadString(IDS_TEST_TEXT));
    EXPECT_FALSE(text.LoadString(id)) << id;
    EXPECT_EQ(text.Str(), L"Talvex __MODEL__") << id;
  }
}

TEST(CStringFormat, PadsToTheWidthWithoutCuttingLongerNumbers) {
  struct Case {
    UINT formatId;
    int value;
    std::wstring expected;
  };
  const Case cases[] = {
      {IDS_TEST_FORMAT, 96, L"Size:  96 samples"},
      {IDS_TEST_FORMAT, 1440, L"Size:1440 samples"},
      {IDS_TEST_FORMAT, 10080, L"Size:10080 samples"},
      {IDS_TEST_FORMAT, -16, L"Size: -16 samples"},
      {IDS_TEST_WIDE, 7, std::wstring(199, L' ') + L"7"},  // outgrows the first buffer
  };
  for (const Case& c : cases) {
    CString text;
    text.Format(c.formatId, c.value);
    EXPECT_EQ(text.Str(), c.expected) << c.value;
  }
}

TEST(CStringFormat, FormatThatCannotBeLoadedGivesEmptyText) {
  for (UINT id : {IDS_TEST_EMPTY, IDS_TEST_NO_BLOCK}) {
    CString text;
    ASSERT_TRUE(text.LoadString(IDS_TEST_TEXT));
    text.Format(id, 5);
    EXPECT_TRUE(text.IsEmpty()) << id;
  }
}

class TestApp : public CWinApp {
 public:
  BOOL InitInstance() override { return FALSE; }
};

TEST(CWinAppTitle, WithoutTitleStringTheExecutableNameIsTheTitle) {
  TestApp app;
  app.LoadAppTitle();
  EXPECT_STREQ(app.AppTitle(), L"framework_string_tests");
  EXPECT_STREQ(AfxGetAppName(), L"framework_string_tests");
}

}  // namespace

#include "install/Readme.h"

#include <gtest/gtest.h>

#include "fakes/FakeFiles.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeStrings.h"
#include "text/StringIds.h"

namespace drvprop {
namespace {

using test::FakeFiles;
using test::FakeRegistry;
using test::FakeStrings;
using test::Utf16Bytes;

const Text kKeyPath = DP_TEXT("CLSID\\{1C8A6AA7-9A48-4c8c-A990-EEA1B42D1D93}\\QXID0829");
const FakeStrings kEnglish{{IDS_README_NAME, DP_TEXT("Readme\\Readme_EN.htm")}};
const FakeStrings kJapanese{{IDS_README_NAME, DP_TEXT("Readme\\Readme_JP.htm")}};
const FakeStrings kNoStrings;

class ReadmeTest : public ::testing::Test {
 protected:
  void SetFolder(const Text& folder) { registry_.SetValue(kKeyPath, Text(), Utf16Bytes(folder)); }
  FakeRegistry registry_;
  FakeFiles files_;
};

TEST_F(ReadmeTest, PathJoinsFolderAndTheLanguagesNameAsTheyAre) {
  const struct {
    const char* what;
    Text folder;
    const FakeStrings& strings;
    Text expected;
  } cases[] = {
      {"English", DP_TEXT("D:\\Audio\\Driver"), kEnglish,
       DP_TEXT("D:\\Audio\\Driver\\Readme\\Readme_EN.htm")},
      {"Japanese", DP_TEXT("D:\\Audio\\Driver"), kJapanese,
       DP_TEXT("D:\\Audio\\Driver\\Readme\\Readme_JP.htm")},
      {"trailing backslash kept", DP_TEXT("D:\\Audio\\Driver\\"), kEnglish,
       DP_TEXT("D:\\Audio\\Driver\\\\Readme\\Readme_EN.htm")},
      {"empty folder", Text(), kEnglish, Text()},
      {"folder of 179 characters", Text(179, TextChar{'D'}), kEnglish, Text()},
      {"no README name", DP_TEXT("D:\\Audio\\Driver"), kNoStrings, Text()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetFolder(c.folder);
    EXPECT_EQ(GetReadmePath(registry_, c.strings), c.expected);
  }
}

TEST_F(ReadmeTest, MissingFolderValueGivesNoPath) {
  registry_.AddKey(kKeyPath);
  EXPECT_EQ(GetReadmePath(registry_, kEnglish), Text());
}

TEST_F(ReadmeTest, ExistsOnlyForAFileAtTheLanguagesPath) {
  SetFolder(DP_TEXT("D:\\Audio"));
  EXPECT_FALSE(ReadmeExists(registry_, kEnglish, files_));

  files_.AddFile(DP_TEXT("D:\\Audio\\Readme\\Readme_EN.htm"));
  EXPECT_TRUE(ReadmeExists(registry_, kEnglish, files_));
  // No falling back to another language's file.
  EXPECT_FALSE(ReadmeExists(registry_, kJapanese, files_));

  files_.AddDirectory(DP_TEXT("D:\\Audio\\Readme\\Readme_JP.htm"));
  EXPECT_FALSE(ReadmeExists(registry_, kJapanese, files_));
}

TEST_F(ReadmeTest, EmptyPathNeverTouchesTheFileSystem) {
  files_.AddFile(DP_TEXT("\\Readme\\Readme_EN.htm"));
  EXPECT_FALSE(ReadmeExists(registry_, kEnglish, files_));  // no key
  SetFolder(Text());
  EXPECT_FALSE(ReadmeExists(registry_, kEnglish, files_));
  SetFolder(DP_TEXT("D:\\Audio"));
  EXPECT_FALSE(ReadmeExists(registry_, kNoStrings, files_));
  EXPECT_TRUE(files_.Searches().empty());
}

}  // namespace
}  // namespace drvprop

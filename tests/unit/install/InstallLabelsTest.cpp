#include "install/InstallLabels.h"

#include <gtest/gtest.h>

#include "fakes/FakeRegistry.h"
#include "fakes/FakeStrings.h"
#include "text/StringIds.h"

namespace drvprop {
namespace {

using test::FakeRegistry;
using test::FakeStrings;
using test::Utf16Bytes;

const Text kKeyPath = DP_TEXT("CLSID\\{1C8A6AA7-9A48-4c8c-A990-EEA1B42D1D93}\\QXID0829");
const Text kNotice = DP_TEXT("(c) Maker");

const FakeStrings kEnglish{{IDS_PROP_VER, DP_TEXT("__MODEL__ Driver __VERSION__")},
                           {IDS_PROP_COPYR, kNotice}};
const FakeStrings kGerman{{IDS_PROP_VER, DP_TEXT("__MODEL__-Treiber __VERSION__")}};
const FakeStrings kFrench{{IDS_PROP_VER, DP_TEXT("Pilote __MODEL__ __VERSION__")}};
const FakeStrings kNoStrings;

TEST(VersionLabelTextTest, FillsModelThenVersionIntoTheLanguagesText) {
  const struct {
    const char* what;
    std::optional<Text> version;
    const FakeStrings& strings;
    Text expected;
  } cases[] = {
      {"English", DP_TEXT("1.0.0"), kEnglish, DP_TEXT("Talvex Driver 1.0.0")},
      {"German", DP_TEXT("1.0.0"), kGerman, DP_TEXT("Talvex-Treiber 1.0.0")},
      {"French", DP_TEXT("1.0.0"), kFrench, DP_TEXT("Pilote Talvex 1.0.0")},
      {"empty version", Text(), kEnglish, DP_TEXT("Talvex Driver ")},
      {"tokens in the version stay", DP_TEXT("__MODEL__ __VERSION__"), kEnglish,
       DP_TEXT("Talvex Driver __MODEL__ __VERSION__")},
      {"no version value", std::nullopt, kEnglish, Text()},
      {"no string", DP_TEXT("1.0.0"), kNoStrings, Text()},
      {"neither", std::nullopt, kNoStrings, Text()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(VersionLabelText(c.version, c.strings), c.expected);
  }
}

TEST(CopyrightLabelTextTest, PrefersTheValueThenTheStringElseLeavesTheLabel) {
  const struct {
    const char* what;
    std::optional<Text> copyright;
    const FakeStrings& strings;
    std::optional<Text> expected;
  } cases[] = {
      {"value", DP_TEXT("(c) Installer"), kEnglish, DP_TEXT("(c) Installer")},
      {"empty value", Text(), kEnglish, Text()},
      {"value without string", DP_TEXT("(c) Installer"), kNoStrings, DP_TEXT("(c) Installer")},
      {"no value", std::nullopt, kEnglish, kNotice},
      {"neither", std::nullopt, kNoStrings, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(CopyrightLabelText(c.copyright, c.strings), c.expected);
  }
}

TEST(InstallLabelsFromRegistryTest, ValuesOfTheLimitAreIgnored) {
  FakeRegistry registry;
  const Text chars178(178, TextChar{'1'});
  const Text chars179(179, TextChar{'2'});
  registry.SetValue(kKeyPath, DP_TEXT("version"), Utf16Bytes(chars178));
  registry.SetValue(kKeyPath, DP_TEXT("copyright"), Utf16Bytes(chars179));
  EXPECT_EQ(ReadVersionLabel(registry, kEnglish), DP_TEXT("Talvex Driver ") + chars178);
  EXPECT_EQ(ReadCopyrightLabel(registry, kEnglish), kNotice);

  registry.SetValue(kKeyPath, DP_TEXT("version"), Utf16Bytes(chars179));
  registry.SetValue(kKeyPath, DP_TEXT("copyright"), Utf16Bytes(chars178));
  EXPECT_EQ(ReadVersionLabel(registry, kEnglish), Text());
  EXPECT_EQ(ReadCopyrightLabel(registry, kEnglish), chars178);
}

TEST(InstallLabelsFromRegistryTest, MissingKeyEmptiesVersionAndShowsTheNotice) {
  FakeRegistry registry;
  EXPECT_EQ(ReadVersionLabel(registry, kEnglish), Text());
  EXPECT_EQ(ReadCopyrightLabel(registry, kEnglish), kNotice);
  EXPECT_EQ(registry.OpenKeyCount(), 0);
}

}  // namespace
}  // namespace drvprop

#include "install/ReadDriverValue.h"

#include <gtest/gtest.h>

#include "fakes/FakeRegistry.h"
#include "install/DriverKey.h"

namespace drvprop {
namespace {

using test::Bytes;
using test::FakeRegistry;
using test::Utf16Bytes;
using Call = FakeRegistry::Call;

const Text kKeyPath = DP_TEXT("CLSID\\{1C8A6AA7-9A48-4c8c-A990-EEA1B42D1D93}\\QXID0829");

Bytes Append(Bytes bytes, std::initializer_list<uint8_t> more) {
  for (uint8_t b : more) bytes.push_back(std::byte{b});
  return bytes;
}

// Every reading leaves no key open, whatever happened.
class ReadDriverValueTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(registry_.OpenKeyCount(), 0); }
  FakeRegistry registry_;
};

TEST_F(ReadDriverValueTest, OpensTheInstallationKeyAndClosesItAgain) {
  registry_.SetValue(kKeyPath, DP_TEXT("version"), Utf16Bytes(DP_TEXT("1.0.0")));
  EXPECT_EQ(ReadDriverValue(registry_, kVersionValueName), Text(DP_TEXT("1.0.0")));
  EXPECT_EQ(registry_.OpenedPaths(), std::vector<Text>{kKeyPath});
  EXPECT_EQ(registry_.Log(),
            (std::vector<Call>{Call::kOpen, Call::kQuerySize, Call::kQuery, Call::kClose}));

  // The key is not kept open between readings.
  EXPECT_EQ(ReadDriverValue(registry_, kVersionValueName), Text(DP_TEXT("1.0.0")));
  EXPECT_EQ(registry_.OpenedPaths().size(), 2u);
}

TEST_F(ReadDriverValueTest, NullNameReadsTheDefaultValue) {
  registry_.SetValue(kKeyPath, Text(), Utf16Bytes(DP_TEXT("C:\\Talvex")));
  EXPECT_EQ(ReadDriverValue(registry_, nullptr), Text(DP_TEXT("C:\\Talvex")));
}

TEST_F(ReadDriverValueTest, MissingKeyIsNotFoundWithNothingToClose) {
  EXPECT_EQ(ReadDriverValue(registry_, kVersionValueName), std::nullopt);
  EXPECT_EQ(registry_.Log(), std::vector<Call>{Call::kOpen});
}

struct ValueCase {
  const char* what;
  Bytes data;
  std::optional<Text> expected;
};

TEST_F(ReadDriverValueTest, TakesTheDataAsTextWithinTheSizeLimit) {
  const Text chars178(178, TextChar{'v'});
  const Text chars179(179, TextChar{'v'});
  const ValueCase cases[] = {
      {"178 characters and terminator: 358 bytes", Utf16Bytes(chars178), chars178},
      {"179 characters and terminator: 360 bytes", Utf16Bytes(chars179), std::nullopt},
      {"far too long", Utf16Bytes(Text(4000, TextChar{'v'})), std::nullopt},
      {"present and empty", Utf16Bytes(DP_TEXT("")), Text()},
      {"text ends at the first NUL", Utf16Bytes(TextView(DP_TEXT("ab\0cd"), 5)),
       Text(DP_TEXT("ab"))},
      {"no data at all", Bytes(), Text()},
      {"no terminator", Utf16Bytes(DP_TEXT("abc"), false), Text(DP_TEXT("abc"))},
      {"odd trailing byte is dropped", Append(Utf16Bytes(DP_TEXT("abc"), false), {0x41}),
       Text(DP_TEXT("abc"))},
      {"359 bytes without terminator", Append(Utf16Bytes(chars179, false), {0x41}), chars179},
  };
  for (const ValueCase& c : cases) {
    SCOPED_TRACE(c.what);
    registry_.SetValue(kKeyPath, DP_TEXT("version"), c.data);
    EXPECT_EQ(ReadDriverValue(registry_, kVersionValueName), c.expected);
    EXPECT_EQ(registry_.Log().back(), Call::kClose);
  }
}

TEST_F(ReadDriverValueTest, OversizedValueIsNeverRead) {
  registry_.SetValue(kKeyPath, DP_TEXT("copyright"), Bytes(kMaxValueBytes));
  EXPECT_EQ(ReadDriverValue(registry_, kCopyrightValueName), std::nullopt);
  EXPECT_EQ(registry_.Log(), (std::vector<Call>{Call::kOpen, Call::kQuerySize, Call::kClose}));
}

TEST_F(ReadDriverValueTest, FailedQueriesAreNotFoundAndCloseTheKey) {
  registry_.AddKey(kKeyPath);
  EXPECT_EQ(ReadDriverValue(registry_, kVersionValueName), std::nullopt);
  EXPECT_EQ(registry_.Log(), (std::vector<Call>{Call::kOpen, Call::kQuerySize, Call::kClose}));

  registry_.SetValue(kKeyPath, DP_TEXT("version"), Utf16Bytes(DP_TEXT("1.0.0")));
  registry_.failReads = true;
  EXPECT_EQ(ReadDriverValue(registry_, kVersionValueName), std::nullopt);
  EXPECT_EQ(registry_.Log().back(), Call::kClose);
}

}  // namespace
}  // namespace drvprop

// Registry values of any bytes and any size under the driver installation key, read through
// ReadDriverValue and turned into the version and copyright labels, the README path and the
// window title, with string-table entries of any content. The registry type is not part of
// this: the core never sees it, its data are taken as UTF-16 whatever the type.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "ReferenceReplace.h"
#include "fakes/FakeFiles.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeStrings.h"
#include "install/DriverKey.h"
#include "install/InstallLabels.h"
#include "install/ReadDriverValue.h"
#include "install/Readme.h"
#include "text/ModelName.h"
#include "text/StringIds.h"
#include "text/Title.h"

namespace drvprop::fuzz {
namespace {

// Bits of the input's first byte.
constexpr uint8_t kKeyExists = 0x01;
constexpr uint8_t kFirstValueBit = 0x02;  // then one bit per value, in kValueNames' order
constexpr uint8_t kReadsFail = 0x10;
constexpr uint8_t kReadmeIsFile = 0x20;
constexpr uint8_t kReadmeIsDirectory = 0x40;

// Sizes reach past kMaxValueBytes so that both sides of the limit are tried.
constexpr std::size_t kMaxFuzzedValueBytes = 2 * kMaxValueBytes;
constexpr std::size_t kMaxStringUnits = 48;

struct FuzzedValue {
  const TextChar* name;  // null: the key's default value
  std::optional<test::Bytes> stored;
};

// What the panel may make of one value: nothing unless it is there, readable and smaller
// than kMaxValueBytes; otherwise a prefix of its whole UTF-16 units with no NUL inside,
// cut only at a NUL or at the end of the data.
void CheckRead(const std::optional<Text>& read, const FuzzedValue& value, bool keyExists,
               bool readsFail) {
  const bool usable =
      keyExists && value.stored && !readsFail && value.stored->size() < kMaxValueBytes;
  FUZZ_CHECK(read.has_value() == usable);
  if (!read) return;
  const test::Bytes& data = *value.stored;
  const std::size_t units = data.size() / sizeof(TextChar);
  FUZZ_CHECK(read->size() <= units);
  FUZZ_CHECK(read->find(TextChar{}) == Text::npos);
  FUZZ_CHECK(read->empty() || std::memcmp(read->data(), data.data(), read->size() * 2) == 0);
  if (read->size() < units) {
    TextChar next;
    std::memcpy(&next, data.data() + read->size() * sizeof(TextChar), sizeof next);
    FUZZ_CHECK(next == TextChar{});
  }
}

Text Substituted(Text text, TextView token, TextView value) {
  return ReferenceReplace(text, token, value).text;
}

}  // namespace

void FuzzOne(FuzzInput& input) {
  const uint8_t layout = input.Byte();
  const bool keyExists = (layout & kKeyExists) != 0;
  const bool readsFail = (layout & kReadsFail) != 0;

  test::FakeRegistry registry;
  registry.failReads = readsFail;
  if (keyExists) registry.AddKey(DriverKeyPath());
  FuzzedValue values[] = {{nullptr, {}}, {kVersionValueName, {}}, {kCopyrightValueName, {}}};
  for (std::size_t i = 0; i < std::size(values); ++i) {
    if (!keyExists || (layout & (kFirstValueBit << i)) == 0) continue;
    const std::span<const uint8_t> bytes = input.Bytes(input.U16() % (kMaxFuzzedValueBytes + 1));
    const auto* first = reinterpret_cast<const std::byte*>(bytes.data());
    values[i].stored = test::Bytes(first, first + bytes.size());
    registry.SetValue(DriverKeyPath(), values[i].name ? values[i].name : Text(), *values[i].stored);
  }

  const Text title = input.TakeText(kMaxStringUnits);
  const Text versionFormat = input.TakeText(kMaxStringUnits);
  const Text copyrightNotice = input.TakeText(kMaxStringUnits);
  const Text readmeName = input.TakeText(kMaxStringUnits);
  const test::FakeStrings strings{{IDS_STR_TITLE, title},
                                  {IDS_PROP_VER, versionFormat},
                                  {IDS_PROP_COPYR, copyrightNotice},
                                  {IDS_README_NAME, readmeName}};

  std::optional<Text> read[std::size(values)];
  for (std::size_t i = 0; i < std::size(values); ++i) {
    read[i] = ReadDriverValue(registry, values[i].name);
    CheckRead(read[i], values[i], keyExists, readsFail);
    FUZZ_CHECK(registry.OpenKeyCount() == 0);
  }
  const std::optional<Text>& folder = read[0];
  const std::optional<Text>& version = read[1];
  const std::optional<Text>& copyright = read[2];

  // The model goes in first, so a version text holding a token keeps it as it is.
  const Text expectedVersion =
      version && !versionFormat.empty()
          ? Substituted(Substituted(versionFormat, kModelToken, kModelName), kVersionToken,
                        *version)
          : Text();
  FUZZ_CHECK(ReadVersionLabel(registry, strings) == expectedVersion);

  const std::optional<Text> expectedCopyright =
      copyright ? copyright : strings.Load(IDS_PROP_COPYR);
  FUZZ_CHECK(ReadCopyrightLabel(registry, strings) == expectedCopyright);

  const Text expectedPath = folder && !folder->empty() && !readmeName.empty()
                                ? *folder + TextChar{'\\'} + readmeName
                                : Text();
  FUZZ_CHECK(GetReadmePath(registry, strings) == expectedPath);
  test::FakeFiles files;
  if (layout & kReadmeIsFile) files.AddFile(expectedPath);
  if (layout & kReadmeIsDirectory) files.AddDirectory(expectedPath);
  const bool exists = ReadmeExists(registry, strings, files);
  FUZZ_CHECK(exists == (!expectedPath.empty() && (layout & kReadmeIsFile) != 0 &&
                        (layout & kReadmeIsDirectory) == 0));
  for (const Text& searched : files.Searches()) FUZZ_CHECK(!searched.empty());

  FUZZ_CHECK(LoadTitle(strings) == Substituted(title, kModelToken, kModelName));
  FUZZ_CHECK(registry.OpenKeyCount() == 0);
}

}  // namespace drvprop::fuzz

// The registry and file-system interfaces over the real Windows calls, under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include "install/Win32Files.h"
#include "install/Win32Registry.h"

namespace drvprop {
namespace {

TEST(Win32RegistryTest, MissingKeyIsNotFoundAndAnExistingOneOpens) {
  Win32Registry registry;
  EXPECT_EQ(registry.OpenClassesRootKey(L"CLSID\\{00000000-0000-0000-0000-000000000000}\\None"),
            std::nullopt);
  const std::optional<RegistryKey> clsid = registry.OpenClassesRootKey(L"CLSID");
  ASSERT_TRUE(clsid.has_value());
  EXPECT_EQ(registry.QueryValueSize(*clsid, L"DrvPropNoSuchValue"), std::nullopt);
  registry.CloseKey(*clsid);
}

// Values of any type come back as their raw bytes.
TEST(Win32RegistryTest, ReadsValuesWhateverTheirType) {
  const Text path = L"DrvPropRegistryTest" + std::to_wstring(GetCurrentProcessId());
  HKEY created = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &created, nullptr),
            ERROR_SUCCESS);
  const wchar_t version[] = L"1.0.0";  // stored without its terminator
  RegSetValueExW(created, L"version", 0, REG_BINARY, reinterpret_cast<const BYTE*>(version),
                 5 * sizeof(wchar_t));
  RegCloseKey(created);

  Win32Registry registry;
  const std::optional<RegistryKey> key = registry.OpenClassesRootKey(path.c_str());
  ASSERT_TRUE(key.has_value());
  EXPECT_EQ(registry.QueryValueSize(*key, L"version"), 10u);
  std::byte buffer[16]{};
  EXPECT_EQ(registry.QueryValue(*key, L"version", buffer, 16), 10u);
  EXPECT_EQ(Text(reinterpret_cast<const wchar_t*>(buffer), 5), L"1.0.0");
  EXPECT_EQ(registry.QueryValue(*key, L"version", buffer, 8), std::nullopt);
  registry.CloseKey(*key);

  RegDeleteTreeW(HKEY_CLASSES_ROOT, path.c_str());
}

class Win32FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
    dir_ = Text(temp) + L"DrvPropFilesTest" + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryW(dir_.c_str(), nullptr));
    file_ = dir_ + L"\\Readme_EN.htm";
    const HANDLE file = CreateFileW(file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
  }
  void TearDown() override {
    DeleteFileW(file_.c_str());
    RemoveDirectoryW(dir_.c_str());
  }
  Text dir_;
  Text file_;
};

TEST_F(Win32FilesTest, TellsFilesFromDirectoriesAndMissingEntries) {
  Win32Files files;
  const std::optional<FoundEntry> file = files.FindFirst(file_);
  ASSERT_TRUE(file.has_value());
  EXPECT_FALSE(file->isDirectory);
  const std::optional<FoundEntry> dir = files.FindFirst(dir_);
  ASSERT_TRUE(dir.has_value());
  EXPECT_TRUE(dir->isDirectory);
  EXPECT_EQ(files.FindFirst(dir_ + L"\\Readme_DE.htm"), std::nullopt);
}

}  // namespace
}  // namespace drvprop

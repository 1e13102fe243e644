// The driver installation as the panel sees it: the installation key under
// HKEY_CLASSES_ROOT and the README files in the installation folder. Scenarios change
// both; the captured state of the test bed puts them back.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace drvprop::e2e {

inline constexpr wchar_t kDriverKeyPath[] =
    L"CLSID\\{1C8A6AA7-9A48-4c8c-A990-EEA1B42D1D93}\\QXID0829";

// Value names of the key; nullptr is its default value, the installation folder.
inline constexpr const wchar_t* kFolderValue = nullptr;
inline constexpr wchar_t kVersionValue[] = L"version";
inline constexpr wchar_t kCopyrightValue[] = L"copyright";

// The two-letter suffixes of the README file names, one per language of the panel.
inline constexpr std::array<const wchar_t*, 8> kReadmeLanguages = {L"EN", L"DE", L"ES", L"FR",
                                                                   L"IT", L"NL", L"PT", L"JP"};

struct RegistryValue {
  DWORD type = REG_SZ;
  std::vector<BYTE> data;
};

class Installation {
 public:
  // Records the key's three values and the README files as they are now.
  static Installation Capture();
  // Puts back what Capture saw: the key and its values, and exactly the README files
  // that existed then.
  void Restore() const;

  const std::wstring& Folder() const { return folder_; }
  std::wstring ReadmePath(std::wstring_view language) const;

  static void SetText(const wchar_t* valueName, std::wstring_view text);
  static void SetRaw(const wchar_t* valueName, DWORD type, const std::vector<BYTE>& data);
  static void DeleteValue(const wchar_t* valueName);
  static void DeleteKey();
  void RemoveReadme(std::wstring_view language) const;

 private:
  static constexpr std::array<const wchar_t*, 3> kValueNames = {kFolderValue, kVersionValue,
                                                                kCopyrightValue};

  std::array<std::optional<RegistryValue>, kValueNames.size()> values_;
  std::array<std::optional<std::string>, kReadmeLanguages.size()> readmes_;
  std::wstring folder_;
};

}  // namespace drvprop::e2e

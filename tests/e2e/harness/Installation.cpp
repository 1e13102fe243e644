#include "harness/Installation.h"

#include <gtest/gtest.h>

#include "harness/HarnessText.h"
#include "harness/Processes.h"

namespace drvprop::e2e {

namespace {

std::optional<RegistryValue> ReadValue(const wchar_t* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, kDriverKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  RegistryValue value;
  DWORD size = 0;
  LSTATUS status = RegQueryValueExW(key, name, nullptr, &value.type, nullptr, &size);
  if (status == ERROR_SUCCESS) {
    value.data.resize(size);
    status = RegQueryValueExW(key, name, nullptr, &value.type, value.data.data(), &size);
  }
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return std::nullopt;
  return value;
}

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
  UniqueHandle file(
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return std::nullopt;
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file.get(), chunk, sizeof(chunk), &got, nullptr) && got > 0) {
    bytes.append(chunk, got);
  }
  return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  CreateDirectoryW(path.substr(0, path.rfind(L'\\')).c_str(), nullptr);
  UniqueHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  ASSERT_TRUE(file && WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                &written, nullptr))
      << Narrow(path);
}

std::wstring TextOf(const RegistryValue& value) {
  std::wstring text(reinterpret_cast<const wchar_t*>(value.data.data()),
                    value.data.size() / sizeof(wchar_t));
  return text.substr(0, text.find(L'\0'));
}

}  // namespace

Installation Installation::Capture() {
  Installation installation;
  for (size_t i = 0; i < kValueNames.size(); ++i) {
    installation.values_[i] = ReadValue(kValueNames[i]);
  }
  if (installation.values_[0]) installation.folder_ = TextOf(*installation.values_[0]);
  for (size_t i = 0; i < kReadmeLanguages.size(); ++i) {
    installation.readmes_[i] = ReadFileBytes(installation.ReadmePath(kReadmeLanguages[i]));
  }
  return installation;
}

void Installation::Restore() const {
  for (size_t i = 0; i < kValueNames.size(); ++i) {
    if (values_[i]) {
      SetRaw(kValueNames[i], values_[i]->type, values_[i]->data);
    } else {
      DeleteValue(kValueNames[i]);
    }
  }
  for (size_t i = 0; i < kReadmeLanguages.size(); ++i) {
    if (readmes_[i]) {
      WriteFileBytes(ReadmePath(kReadmeLanguages[i]), *readmes_[i]);
    } else {
      RemoveReadme(kReadmeLanguages[i]);
    }
  }
}

std::wstring Installation::ReadmePath(std::wstring_view language) const {
  return folder_ + L"\\Readme\\Readme_" + std::wstring(language) + L".htm";
}

void Installation::SetText(const wchar_t* valueName, std::wstring_view text) {
  const auto* bytes = reinterpret_cast<const BYTE*>(text.data());
  std::vector<BYTE> data(bytes, bytes + text.size() * sizeof(wchar_t));
  data.resize(data.size() + sizeof(wchar_t), 0);  // stored with its terminator, as installers do
  SetRaw(valueName, REG_SZ, data);
}

void Installation::SetRaw(const wchar_t* valueName, DWORD type, const std::vector<BYTE>& data) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, kDriverKeyPath, 0, nullptr, 0, KEY_WRITE, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExW(key, valueName, 0, type, data.data(), static_cast<DWORD>(data.size())),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

void Installation::DeleteValue(const wchar_t* valueName) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, kDriverKeyPath, 0, KEY_WRITE, &key) != ERROR_SUCCESS) {
    return;
  }
  RegDeleteValueW(key, valueName);
  RegCloseKey(key);
}

void Installation::DeleteKey() { RegDeleteKeyW(HKEY_CLASSES_ROOT, kDriverKeyPath); }

void Installation::RemoveReadme(std::wstring_view language) const {
  DeleteFileW(ReadmePath(language).c_str());
}

}  // namespace drvprop::e2e

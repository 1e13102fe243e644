// The string table as compiled into the executable, read block by block in each
// language version exactly as stored, so that a version the loader would silently stand
// in for (another language, the neutral one) cannot hide a missing or broken entry.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "text/StringIds.h"

namespace {

using Strings = std::map<UINT, std::wstring>;

// Blocks of sixteen ids: 2069 to 2071 hold the panel's own strings, 3585 the
// application title.
constexpr UINT kBlocks[] = {2069, 2070, 2071, 3585};

constexpr LANGID kGerman = MAKELANGID(LANG_GERMAN, SUBLANG_NEUTRAL);
constexpr LANGID kSpanish = MAKELANGID(LANG_SPANISH, SUBLANG_NEUTRAL);
constexpr LANGID kFrench = MAKELANGID(LANG_FRENCH, SUBLANG_NEUTRAL);
constexpr LANGID kItalian = MAKELANGID(LANG_ITALIAN, SUBLANG_NEUTRAL);
constexpr LANGID kDutch = MAKELANGID(LANG_DUTCH, SUBLANG_NEUTRAL);
constexpr LANGID kPortuguese = MAKELANGID(LANG_PORTUGUESE, SUBLANG_NEUTRAL);
constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr LANGID kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN);

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found) {
  reinterpret_cast<std::set<LANGID>*>(found)->insert(language);
  return TRUE;
}

std::set<LANGID> LanguagesOfBlock(UINT block) {
  std::set<LANGID> found;
  EnumResourceLanguagesW(GetModuleHandleW(nullptr), RT_STRING, MAKEINTRESOURCEW(block),
                         CollectLanguage, reinterpret_cast<LONG_PTR>(&found));
  return found;
}

// Adds the non-empty entries of one block to `out`; an empty entry means "no string".
void ReadBlock(UINT block, LANGID language, Strings& out) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceExW(module, RT_STRING, MAKEINTRESOURCEW(block), language);
  ASSERT_NE(info, nullptr) << "block " << block << " language " << language;
  auto* entry = static_cast<const WCHAR*>(LockResource(LoadResource(module, info)));
  const WCHAR* end = entry + SizeofResource(module, info) / sizeof(WCHAR);
  for (UINT index = 0; index < 16; ++index) {
    ASSERT_LT(entry, end) << "block " << block << " ends before entry " << index;
    const UINT count = *entry++;
    ASSERT_LE(count, static_cast<UINT>(end - entry)) << "block " << block << " overruns";
    if (count != 0) out[(block - 1) * 16 + index] = std::wstring(entry, count);
    entry += count;
  }
}

Strings ReadTable(LANGID language) {
  Strings table;
  for (UINT block : kBlocks) ReadBlock(block, language, table);
  return table;
}

std::set<UINT> IdsOf(const Strings& table) {
  std::set<UINT> ids;
  for (const auto& [id, text] : table) ids.insert(id);
  return ids;
}

size_t CountOf(const std::wstring& text, const std::wstring& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

// The texts that code depends on: the title the second start searches for, the version
// line with its two tokens in the language's own order, and the README file per language.
struct LanguageVersion {
  const char* name;
  LANGID language;
  const wchar_t* title;
  const wchar_t* version;
  const wchar_t* readme;
};

const LanguageVersion kVersions[] = {
    {"German", kGerman, L"__MODEL__ Treibereinstellungen", L"__MODEL__-Treiber __VERSION__",
     L"Readme\\Readme_DE.htm"},
    {"Spanish", kSpanish, L"__MODEL__ Configuración del controlador",
     L"Controlador __MODEL__ __VERSION__", L"Readme\\Readme_ES.htm"},
    {"French", kFrench, L"__MODEL__ Paramètres du pilote", L"Pilote __MODEL__ __VERSION__",
     L"Readme\\Readme_FR.htm"},
    {"Italian", kItalian, L"__MODEL__ Impostazioni del driver", L"__MODEL__ Driver __VERSION__",
     L"Readme\\Readme_IT.htm"},
    {"Dutch", kDutch, L"__MODEL__ Stuurprogramma-instellingen",
     L"__MODEL__ Stuurprogramma __VERSION__", L"Readme\\Readme_NL.htm"},
    {"Portuguese", kPortuguese, L"__MODEL__ Configurações do Driver",
     L"__MODEL__ Driver __VERSION__", L"Readme\\Readme_PT.htm"},
    {"English", kEnglish, L"__MODEL__ Driver Settings", L"__MODEL__ Driver __VERSION__",
     L"Readme\\Readme_EN.htm"},
    {"Japanese", kJapanese, L"__MODEL__ Driver の設定", L"__MODEL__ Driver __VERSION__",
     L"Readme\\Readme_JP.htm"},
};

TEST(StringTable, EveryBlockExistsInExactlyTheEightLanguages) {
  std::set<LANGID> expected;
  for (const auto& version : kVersions) expected.insert(version.language);
  for (UINT block : kBlocks) EXPECT_EQ(LanguagesOfBlock(block), expected) << "block " << block;
}

TEST(StringTable, EnglishHoldsEveryIdExceptTheUnusedOnes) {
  std::set<UINT> expected{AFX_IDS_APP_TITLE};
  const std::set<UINT> unused{33096, 33097, 33098, 33099, 33118, 33119, 33126};
  for (UINT id = IDS_STR_TITLE; id <= IDS_MSG_VER_MISMATCH; ++id) {
    if (!unused.contains(id)) expected.insert(id);
  }
  EXPECT_EQ(IdsOf(ReadTable(kEnglish)), expected);
}

// Only IDS_BN_HIGH_REALTIME is missing from the six European versions.
TEST(StringTable, EveryLanguageHasTheEnglishIds) {
  const std::set<UINT> english = IdsOf(ReadTable(kEnglish));
  std::set<UINT> european = english;
  european.erase(IDS_BN_HIGH_REALTIME);
  for (const auto& version : kVersions) {
    const bool regional = version.language == kEnglish || version.language == kJapanese;
    EXPECT_EQ(IdsOf(ReadTable(version.language)), regional ? english : european) << version.name;
  }
}

class StringTableVersion : public testing::TestWithParam<LanguageVersion> {};

TEST_P(StringTableVersion, HoldsTheTextsTheCodeDependsOn) {
  const LanguageVersion& version = GetParam();
  Strings table = ReadTable(version.language);
  EXPECT_EQ(table[IDS_STR_TITLE], version.title);
  EXPECT_EQ(table[IDS_PROP_VER], version.version);
  EXPECT_EQ(table[IDS_README_NAME], version.readme);
  // A single space, not empty: with no title the framework would fall back to the file
  // name for message box captions and the instance mutex.
  EXPECT_EQ(table[AFX_IDS_APP_TITLE], L" ");
  EXPECT_EQ(table[IDS_PROP_COPYR], ReadTable(kEnglish)[IDS_PROP_COPYR]);
}

// The title is what a second start searches for and the format line goes to a printf-style
// formatter with one int: a stray token or a second '%' would show raw or read garbage.
TEST_P(StringTableVersion, TokensAndPlaceholdersAreWhereTheCodeExpectsThem) {
  Strings table = ReadTable(GetParam().language);
  EXPECT_EQ(table[IDS_STR_TITLE].rfind(L"__MODEL__ ", 0), 0u)
      << "the title must begin with the model";
  EXPECT_EQ(CountOf(table[IDS_PROP_VER], L"__MODEL__"), 1u);
  EXPECT_EQ(CountOf(table[IDS_PROP_VER], L"__VERSION__"), 1u);
  EXPECT_EQ(CountOf(table[IDS_ASIO_BUF_FMT], L"%"), 1u);
  EXPECT_EQ(CountOf(table[IDS_ASIO_BUF_FMT], L"%4d"), 1u);
  for (const auto& [id, text] : table) {
    if (id == IDS_STR_TITLE || id == IDS_PROP_VER) continue;
    EXPECT_EQ(text.find(L"__"), std::wstring::npos) << "id " << id << " holds a token";
    if (id != IDS_ASIO_BUF_FMT) {
      EXPECT_EQ(text.find(L'%'), std::wstring::npos) << "id " << id;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, StringTableVersion, testing::ValuesIn(kVersions),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace

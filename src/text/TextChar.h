// The portable core's text type: UTF-16 code units, as the Windows API and its resources
// hold them. On Windows the unit is wchar_t so that texts pass to the API without a copy;
// elsewhere (the native tests) it is char16_t.
#pragma once

#include <string>
#include <string_view>

namespace drvprop {

#ifdef _WIN32
using TextChar = wchar_t;
#define DP_TEXT(s) L"" s
#else
using TextChar = char16_t;
#define DP_TEXT(s) u"" s
#endif
static_assert(sizeof(TextChar) == 2, "texts are UTF-16");

using Text = std::basic_string<TextChar>;
using TextView = std::basic_string_view<TextChar>;

}  // namespace drvprop

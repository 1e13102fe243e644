// The model name and the two tokens that the string table uses in its place. The name is
// the same in every language, so it lives in the code and not in the table.
#pragma once

#include "text/TextChar.h"

namespace drvprop {

inline constexpr TextView kModelName = DP_TEXT("Talvex");

inline constexpr TextView kModelToken = DP_TEXT("__MODEL__");
inline constexpr TextView kVersionToken = DP_TEXT("__VERSION__");

}  // namespace drvprop

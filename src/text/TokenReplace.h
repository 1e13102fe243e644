#pragma once

#include <cstddef>

#include "text/TextChar.h"

namespace drvprop {

// Replaces every occurrence of `oldText` in `text` with `newText`, left to right, comparing
// code units exactly. The search resumes after the inserted text, so a replacement that
// itself holds the token is never expanded again. An empty `oldText` replaces nothing.
// Returns the number of replacements.
std::size_t ReplaceAll(Text& text, TextView oldText, TextView newText);

}  // namespace drvprop

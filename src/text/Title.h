#pragma once

#include "text/StringSource.h"
#include "text/TextChar.h"

namespace drvprop {

// The localised window title with the model name filled in. A missing title string gives
// the empty text: both dialogs then show no caption and a second start skips its search.
Text LoadTitle(const StringSource& strings);

}  // namespace drvprop

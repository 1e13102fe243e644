// The texts of the version and copyright lines at the bottom of the main dialog. Neither line
// ever reports a failure: a missing value or string empties the line or leaves it as it is.
#pragma once

#include <optional>

#include "install/Registry.h"
#include "text/StringSource.h"
#include "text/TextChar.h"

namespace drvprop {

// IDS_PROP_VER with the model name and then `version` filled in; the empty text when there
// is no version value or no string. A version that itself holds a token keeps it.
Text VersionLabelText(const std::optional<Text>& version, const StringSource& strings);

// The copyright value when there is one, even an empty one; else IDS_PROP_COPYR; nullopt
// when neither exists, which means: leave the label's template text.
std::optional<Text> CopyrightLabelText(const std::optional<Text>& copyright,
                                       const StringSource& strings);

// The same, with the value read from the driver installation key.
Text ReadVersionLabel(Registry& registry, const StringSource& strings);
std::optional<Text> ReadCopyrightLabel(Registry& registry, const StringSource& strings);

}  // namespace drvprop

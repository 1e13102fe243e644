#pragma once

#include <optional>

#include "install/Registry.h"
#include "text/TextChar.h"

namespace drvprop {

// Reads one value of the driver installation key as text; `name` null reads the default
// value. The key is opened and closed again by every call. A value of kMaxValueBytes or more
// counts as absent, and the registry type is not looked at: the data are UTF-16 text up to
// the first NUL, or up to the end of the data when they hold none.
std::optional<Text> ReadDriverValue(Registry& registry, const TextChar* name);

}  // namespace drvprop

// The driver's README in the user's language: a file under the installation folder whose
// relative name the string table gives, so that each language names its own file.
#pragma once

#include "install/Files.h"
#include "install/Registry.h"
#include "text/StringSource.h"
#include "text/TextChar.h"

namespace drvprop {

// Installation folder, "\" and IDS_README_NAME, joined as they are (a folder ending in a
// backslash gives two). Empty when the folder value is missing or empty or the string is.
Text GetReadmePath(Registry& registry, const StringSource& strings);

// True when the README path is not empty and names an entry that is not a directory. An
// empty path is never handed to the file system.
bool ReadmeExists(Registry& registry, const StringSource& strings, Files& files);

}  // namespace drvprop

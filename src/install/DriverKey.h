// Where the driver's installer records the installation: a key under HKEY_CLASSES_ROOT
// with the installation folder as its default value, and "version" and "copyright".
#pragma once

#include <cstdint>

#include "text/TextChar.h"

#define DRVPROP_DRIVER_CLASS_ID "{1C8A6AA7-9A48-4c8c-A990-EEA1B42D1D93}"
#define DRVPROP_DRIVER_ID "QXID0829"

namespace drvprop {

inline constexpr TextView kDriverClassId = DP_TEXT(DRVPROP_DRIVER_CLASS_ID);
inline constexpr TextView kDriverId = DP_TEXT(DRVPROP_DRIVER_ID);
// Null-terminated, because it goes to the registry as it is.
inline constexpr const TextChar* kDriverKeyPath =
    DP_TEXT("CLSID\\" DRVPROP_DRIVER_CLASS_ID "\\" DRVPROP_DRIVER_ID);

inline constexpr const TextChar* kVersionValueName = DP_TEXT("version");
inline constexpr const TextChar* kCopyrightValueName = DP_TEXT("copyright");

// A value is used only when its data are smaller than this, and it is read into a buffer of
// this size: a text of at most 178 UTF-16 characters with its terminator.
inline constexpr uint32_t kMaxValueBytes = 360;

}  // namespace drvprop

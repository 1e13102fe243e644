// Where the driver's installer records the installation: a key under HKEY_CLASSES_ROOT
// with the installation folder as its default value, and "version" and "copyright".
#pragma once

#include <cstdint>

#include "text/TextChar.h"

namespace drvprop {

inline constexpr TextView kDriverClassId = DP_TEXT("{1C8A6AA7-9A48-4c8c-A990-EEA1B42D1D93}");
inline constexpr TextView kDriverId = DP_TEXT("QXID0829");

// "CLSID\<class id>\<driver id>", relative to HKEY_CLASSES_ROOT.
inline Text DriverKeyPath() {
  Text path = DP_TEXT("CLSID\\");
  path += kDriverClassId;
  path += TextChar{'\\'};
  path += kDriverId;
  return path;
}

inline constexpr const TextChar* kVersionValueName = DP_TEXT("version");
inline constexpr const TextChar* kCopyrightValueName = DP_TEXT("copyright");

// A value is used only when its data are smaller than this, and it is read into a buffer of
// this size: a text of at most 178 UTF-16 characters with its terminator.
inline constexpr uint32_t kMaxValueBytes = 360;

}  // namespace drvprop

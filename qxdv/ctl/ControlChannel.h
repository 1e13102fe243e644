// User-mode side of the driver's control device: one open, one request, one close per
// call, so that qxdvctl and the tests never keep the device busy.
#pragma once

#include <cstdint>
#include <string>

#include "QxdvControl.h"

namespace qxdv {

// Each returns false and leaves the Win32 error in *error (if given) when the control
// device cannot be opened or refuses the request.
bool SendCommand(const QXDV_COMMAND& command, uint32_t* error = nullptr);
bool ReadUnit(uint32_t unit, QXDV_UNIT_STATE& out, uint32_t* error = nullptr);
bool ReadLog(QXDV_LOG& out, uint32_t* error = nullptr);

// One log entry as qxdvctl prints it:
// "<ms> unit=<n> <request> result=<ok|0xNTSTATUS> status=<word|-> bytes=<n>".
std::string FormatLogLine(const QXDV_LOG_ENTRY& entry);

}  // namespace qxdv

// Moving the driver's settings record in and out: read from the first unit that answers,
// written to every unit with their statuses folded into one.
#pragma once

#include "driver/DeviceIo.h"
#include "driver/DrvPropIoctl.h"
#include "driver/UnitSlots.h"

namespace drvprop {

// Set statuses as the panel folds them: 0 nothing to report, 1 the device is in use by
// another application, 2 a power cycle is needed (a reply of 3 means the same).
inline constexpr int32_t kSetStatusTaken = 0;
inline constexpr int32_t kSetStatusInUse = 1;
inline constexpr int32_t kSetStatusPowerCycle = 2;

// Asks the slots in order for the record; the first unit that answers ends the search and
// `request` holds its reply. False when no unit answered.
bool ReadSettings(DeviceIo& io, const UnitSlots& slots, DRVPROP_SETTINGS_IO& request);

// Sends `request` to every slot in order. The buffer is not refilled between slots: a later
// unit receives what the previous answering unit's reply left in it. True when at least one
// unit answered; `request.status` then holds the folded status (0, 1 or 2). False leaves
// `request.status` as it was.
bool WriteSettings(DeviceIo& io, const UnitSlots& slots, DRVPROP_SETTINGS_IO& request);

// The dialog's one read: `settings` receives the reply's record (or the defaults a short or
// missing reply leaves), and the result says whether it may be used, that is a unit answered
// with a non-zero status.
bool LoadSettingsFromDriver(DeviceIo& io, const UnitSlots& slots, DRVPROP_SETTINGS& settings);

}  // namespace drvprop

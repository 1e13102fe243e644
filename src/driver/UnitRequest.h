// The one way every driver request is made: open the unit's control device, make one
// request, close it again. No handle outlives its request, so requests never overlap.
#pragma once

#include <cstdint>

#include "driver/DeviceIo.h"
#include "driver/UnitSlots.h"

namespace drvprop {

// One request on one slot with `buffer` as input and output. With `probe` set the device is
// first opened and closed once, and a failure there ends the request. Any failure, of an
// open or of the request, gives false; the device is always closed again.
bool UnitRequest(DeviceIo& io, const UNIT_SLOT& slot, uint32_t code, void* buffer, uint32_t size,
                 bool probe);

// How many slots can be opened now; 0 means no unit is connected.
int CountPresentUnits(DeviceIo& io, const UnitSlots& slots);

}  // namespace drvprop

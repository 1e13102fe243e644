#include "driver/UnitRequest.h"

namespace drvprop {

bool UnitRequest(DeviceIo& io, const UNIT_SLOT& slot, uint32_t code, void* buffer, uint32_t size,
                 bool probe) {
  if (probe) {
    const auto probed = io.Open(slot.path);
    if (!probed) return false;
    io.Close(*probed);
  }
  const auto handle = io.Open(slot.path);
  if (!handle) return false;
  const bool answered = io.Request(*handle, code, buffer, size);
  io.Close(*handle);
  return answered;
}

int CountPresentUnits(DeviceIo& io, const UnitSlots& slots) {
  int present = 0;
  for (const UNIT_SLOT& slot : slots) {
    if (const auto handle = io.Open(slot.path)) {
      io.Close(*handle);
      ++present;
    }
  }
  return present;
}

}  // namespace drvprop

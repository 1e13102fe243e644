#include "driver/SettingsExchange.h"

#include "driver/UnitRequest.h"

namespace drvprop {

namespace {

// Worst status wins: a power cycle outranks "in use", which outranks nothing to report.
// Values the driver does not define leave the aggregate alone.
int32_t FoldSetStatus(int32_t aggregate, int32_t reply) {
  switch (reply) {
    case 1:
      return aggregate == kSetStatusPowerCycle ? kSetStatusPowerCycle : kSetStatusInUse;
    case 2:
    case 3:
      return kSetStatusPowerCycle;
    default:
      return aggregate;
  }
}

// One settings request on one slot. A driver can fail a request with a warning status after
// its reply was copied back, so a failed request's bytes are undone: the next unit and the
// caller then see the buffer as the last answering unit left it.
bool ExchangeSettings(DeviceIo& io, const UNIT_SLOT& slot, uint32_t code,
                      DRVPROP_SETTINGS_IO& request) {
  const DRVPROP_SETTINGS_IO sent = request;
  if (UnitRequest(io, slot, code, &request, sizeof request, true)) return true;
  request = sent;
  return false;
}

}  // namespace

bool ReadSettings(DeviceIo& io, const UnitSlots& slots, DRVPROP_SETTINGS_IO& request) {
  for (const UNIT_SLOT& slot : slots) {
    if (ExchangeSettings(io, slot, IOCTL_DRV_GET_SETTINGS, request)) {
      return true;
    }
  }
  return false;
}

bool WriteSettings(DeviceIo& io, const UnitSlots& slots, DRVPROP_SETTINGS_IO& request) {
  int32_t aggregate = kSetStatusTaken;
  bool answered = false;
  for (const UNIT_SLOT& slot : slots) {
    if (ExchangeSettings(io, slot, IOCTL_DRV_SET_SETTINGS, request)) {
      answered = true;
      aggregate = FoldSetStatus(aggregate, request.status);
    }
  }
  if (answered) request.status = aggregate;
  return answered;
}

bool LoadSettingsFromDriver(DeviceIo& io, const UnitSlots& slots, DRVPROP_SETTINGS& settings) {
  // Zeroed first so the driver never receives stack garbage in the rate table or status,
  // and a reply that does not cover them cannot hand it back.
  DRVPROP_SETTINGS_IO request{};
  SetSettingsDefaults(request.settings);
  const bool answered = ReadSettings(io, slots, request);
  settings = request.settings;
  return answered && request.status != 0;
}

}  // namespace drvprop

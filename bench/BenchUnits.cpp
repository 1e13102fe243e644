#include "BenchUnits.h"

#include <cstring>

namespace drvprop::bench {
namespace {

// Handles are slot numbers plus one, so that no bookkeeping is needed to map them back.
constexpr DeviceHandle HandleOf(int slot) { return static_cast<DeviceHandle>(slot) + 1; }
constexpr int SlotOf(DeviceHandle handle) { return static_cast<int>(handle) - 1; }

template <typename Reply>
bool Answer(const std::optional<Reply>& reply, void* buffer, uint32_t size) {
  if (!reply || size != sizeof(Reply)) return false;
  std::memcpy(buffer, &*reply, sizeof(Reply));
  return true;
}

bool AnswerSettings(const std::optional<int32_t>& status, void* buffer, uint32_t size) {
  if (!status || size != sizeof(DRVPROP_SETTINGS_IO)) return false;
  static_cast<DRVPROP_SETTINGS_IO*>(buffer)->status = *status;
  return true;
}

}  // namespace

BenchUnits::BenchUnits() { FillUnitSlots(slots_); }

void BenchUnits::Plug(int slot, const UnitReplies& replies) { units_[slot] = replies; }

std::optional<DeviceHandle> BenchUnits::Open(const TextChar* path) {
  for (int slot = 0; slot < kMaxUnits; ++slot) {
    if (units_[slot] && TextView(path) == TextView(slots_[slot].path)) return HandleOf(slot);
  }
  return std::nullopt;
}

bool BenchUnits::Request(DeviceHandle handle, uint32_t code, void* buffer, uint32_t size) {
  const UnitReplies& unit = *units_[SlotOf(handle)];
  switch (code) {
    case IOCTL_DRV_GET_STREAM_STATE:
      return Answer(unit.streamState, buffer, size);
    case IOCTL_DRV_GET_UNIT_INFO:
      return Answer(unit.info, buffer, size);
    case IOCTL_DRV_GET_UNIT_MODE:
      return Answer(unit.mode, buffer, size);
    case IOCTL_DRV_GET_UNIT_CLOCK:
      return Answer(unit.clock, buffer, size);
    case IOCTL_DRV_GET_SETTINGS:
    case IOCTL_DRV_SET_SETTINGS:
      return AnswerSettings(unit.settingsStatus, buffer, size);
    default:
      return false;
  }
}

UnitReplies FallbackUnit(int32_t sampleRate) {
  UnitReplies unit;
  unit.streamState = STREAM_STATE{};
  // A full-length block, so that every counted unit costs the longest comparison.
  unit.info = UNIT_INFO{};
  unit.info->infoLength = kMaxInfoData;
  std::memset(unit.info->infoData, 'Q', kMaxInfoData);
  unit.mode = UNIT_MODE{1};
  unit.clock = UNIT_CLOCK{0, sampleRate};
  return unit;
}

}  // namespace drvprop::bench

#include "FuzzedUnits.h"

#include <cstring>

#include "FuzzCheck.h"
#include "driver/DrvPropIoctl.h"

namespace drvprop::fuzz {
namespace {

// The one buffer size each of the six requests is made with; 0 for any other code.
uint32_t BufferSizeOf(uint32_t code) {
  switch (code) {
    case IOCTL_DRV_GET_SETTINGS:
    case IOCTL_DRV_SET_SETTINGS:
      return sizeof(DRVPROP_SETTINGS_IO);
    case IOCTL_DRV_GET_STREAM_STATE:
      return sizeof(STREAM_STATE);
    case IOCTL_DRV_GET_UNIT_INFO:
      return sizeof(UNIT_INFO);
    case IOCTL_DRV_GET_UNIT_MODE:
      return sizeof(UNIT_MODE);
    case IOCTL_DRV_GET_UNIT_CLOCK:
      return sizeof(UNIT_CLOCK);
    default:
      return 0;
  }
}

// Bits of the byte that decides one request.
constexpr uint8_t kSucceeds = 0x01;
constexpr uint8_t kLengthMask = 0x06;
constexpr uint8_t kFullReply = 0x00;
constexpr uint8_t kLongLength = 0x02;
constexpr uint8_t kNoReply = 0x04;
constexpr uint8_t kWritesOnFailure = 0x08;

}  // namespace

FuzzedUnits::FuzzedUnits(FuzzInput& input) : input_(input) { FillUnitSlots(slots_); }

std::optional<DeviceHandle> FuzzedUnits::Open(const TextChar* path) {
  bool known = false;
  for (const UNIT_SLOT& slot : slots_) known = known || TextView(path) == TextView(slot.path);
  FUZZ_CHECK(known);
  FUZZ_CHECK(!open_);
  if ((input_.Byte() & 1) == 0) return std::nullopt;
  open_ = nextHandle_++;
  return open_;
}

bool FuzzedUnits::Request(DeviceHandle handle, uint32_t code, void* buffer, uint32_t size) {
  FUZZ_CHECK(open_ == handle);
  FUZZ_CHECK(size != 0 && size == BufferSizeOf(code));
  const uint8_t decision = input_.Byte();
  const bool succeeds = (decision & kSucceeds) != 0;
  if (!succeeds && (decision & kWritesOnFailure) == 0) return false;

  uint32_t length = 0;
  switch (decision & kLengthMask) {
    case kFullReply:
      length = size;
      break;
    case kLongLength:
      length = input_.U16() % (size + 1);
      break;
    case kNoReply:
      break;
    default:  // a short reply, the likeliest to leave fields as they were sent
      length = input_.Byte() % (size + 1);
      break;
  }
  const std::span<const uint8_t> reply = input_.Bytes(length);
  if (!reply.empty()) std::memcpy(buffer, reply.data(), reply.size());
  return succeeds;
}

void FuzzedUnits::Close(DeviceHandle handle) {
  FUZZ_CHECK(open_ == handle);
  open_.reset();
}

}  // namespace drvprop::fuzz

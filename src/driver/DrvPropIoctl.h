// The wire contract between the panel and the driver: request codes, device names and
// buffer layouts. The substitute driver (qxdv/) builds against this same header, so the
// two sides cannot drift apart. Freestanding C++: no Windows header, no library code.
#pragma once

#include <cstddef>
#include <cstdint>

// Narrow spelling of the device base name; each side widens it to its own character type
// by literal concatenation (L"" or u"" in front).
#define DRVPROP_DEVICE_BASE_NAME "Qxdv4829"

namespace drvprop::wire {

// Request code layout of the Windows I/O manager: device type, access, function, method.
inline constexpr uint32_t kDeviceTypeUnknown = 0x22;
inline constexpr uint32_t kMethodBuffered = 0;
inline constexpr uint32_t kAnyAccess = 0;

constexpr uint32_t DriverRequestCode(uint32_t function) {
  return (kDeviceTypeUnknown << 16) | (kAnyAccess << 14) | (function << 2) | kMethodBuffered;
}

}  // namespace drvprop::wire

inline constexpr uint32_t IOCTL_DRV_GET_SETTINGS = drvprop::wire::DriverRequestCode(0x87A);
inline constexpr uint32_t IOCTL_DRV_SET_SETTINGS = drvprop::wire::DriverRequestCode(0x87B);
inline constexpr uint32_t IOCTL_DRV_GET_STREAM_STATE = drvprop::wire::DriverRequestCode(0x858);
inline constexpr uint32_t IOCTL_DRV_GET_UNIT_INFO = drvprop::wire::DriverRequestCode(0x80F);
inline constexpr uint32_t IOCTL_DRV_GET_UNIT_MODE = drvprop::wire::DriverRequestCode(0x811);
inline constexpr uint32_t IOCTL_DRV_GET_UNIT_CLOCK = drvprop::wire::DriverRequestCode(0x814);

static_assert(IOCTL_DRV_GET_SETTINGS == 0x2221E8);
static_assert(IOCTL_DRV_SET_SETTINGS == 0x2221EC);
static_assert(IOCTL_DRV_GET_STREAM_STATE == 0x222160);
static_assert(IOCTL_DRV_GET_UNIT_INFO == 0x22203C);
static_assert(IOCTL_DRV_GET_UNIT_MODE == 0x222044);
static_assert(IOCTL_DRV_GET_UNIT_CLOCK == 0x222050);

inline constexpr int kRateTableEntries = 70;  // 10 sample-rate rows of 7 values
inline constexpr uint32_t kMaxInfoData = 2048;

// The driver's settings record. Every field is a signed 32-bit little-endian word; the
// panel carries the fields it does not understand back to the driver unchanged.
struct DRVPROP_SETTINGS {
  int32_t rateTable[kRateTableEntries];
  int32_t value280;
  int32_t useSmallerAsioBuffer;
  int32_t bufferLevel;
  int32_t value292;
  int32_t adjustAEnabled;
  int32_t adjustA;
  int32_t adjustBEnabled;
  int32_t adjustB;
  int32_t midiInLightLoad;
  int32_t value316;
  int32_t value320;
};

// Buffer of both settings requests: the record in, the driver's reply and status out.
struct DRVPROP_SETTINGS_IO {
  DRVPROP_SETTINGS settings;
  int32_t status;
};

struct STREAM_STATE {
  int32_t reserved0;
  int32_t unitCount;
  int32_t sampleRate;
  int32_t reserved[5];
};

struct UNIT_INFO {
  int32_t reserved0;
  uint32_t infoLength;
  uint8_t infoData[kMaxInfoData];
};

struct UNIT_MODE {
  int32_t unitMode;
};

struct UNIT_CLOCK {
  int32_t reserved0;
  int32_t sampleRate;
};

static_assert(sizeof(DRVPROP_SETTINGS) == 324);
static_assert(offsetof(DRVPROP_SETTINGS, rateTable) == 0);
static_assert(offsetof(DRVPROP_SETTINGS, value280) == 280);
static_assert(offsetof(DRVPROP_SETTINGS, useSmallerAsioBuffer) == 284);
static_assert(offsetof(DRVPROP_SETTINGS, bufferLevel) == 288);
static_assert(offsetof(DRVPROP_SETTINGS, value292) == 292);
static_assert(offsetof(DRVPROP_SETTINGS, adjustAEnabled) == 296);
static_assert(offsetof(DRVPROP_SETTINGS, adjustA) == 300);
static_assert(offsetof(DRVPROP_SETTINGS, adjustBEnabled) == 304);
static_assert(offsetof(DRVPROP_SETTINGS, adjustB) == 308);
static_assert(offsetof(DRVPROP_SETTINGS, midiInLightLoad) == 312);
static_assert(offsetof(DRVPROP_SETTINGS, value316) == 316);
static_assert(offsetof(DRVPROP_SETTINGS, value320) == 320);

static_assert(sizeof(DRVPROP_SETTINGS_IO) == 328);
static_assert(offsetof(DRVPROP_SETTINGS_IO, settings) == 0);
static_assert(offsetof(DRVPROP_SETTINGS_IO, status) == 324);

static_assert(sizeof(STREAM_STATE) == 32);
static_assert(offsetof(STREAM_STATE, unitCount) == 4);
static_assert(offsetof(STREAM_STATE, sampleRate) == 8);
static_assert(offsetof(STREAM_STATE, reserved) == 12);

static_assert(sizeof(UNIT_INFO) == 2056);
static_assert(offsetof(UNIT_INFO, infoLength) == 4);
static_assert(offsetof(UNIT_INFO, infoData) == 8);

static_assert(sizeof(UNIT_MODE) == 4);
static_assert(offsetof(UNIT_MODE, unitMode) == 0);

static_assert(sizeof(UNIT_CLOCK) == 8);
static_assert(offsetof(UNIT_CLOCK, sampleRate) == 4);

// The record as the panel prepares it before asking the driver; rateTable is the
// driver's and is left as it is.
inline void SetSettingsDefaults(DRVPROP_SETTINGS& s) {
  s.value280 = 1;
  s.useSmallerAsioBuffer = 0;
  s.bufferLevel = 5;
  s.value292 = 1;
  s.adjustAEnabled = 1;
  s.adjustA = 0;
  s.adjustBEnabled = 1;
  s.adjustB = 0;
  s.midiInLightLoad = 0;
  s.value316 = 1;
  s.value320 = 0;
}

// Private protocol between the substitute driver and its control tool qxdvctl: how the
// test bed scripts the simulated units and reads back what the panel did. The panel never
// sees any of this; it only talks to the unit devices through DrvPropIoctl.h.
// Freestanding C++ like the wire header, so the kernel build can include it too.
#pragma once

#include <cstddef>
#include <cstdint>

#include "driver/DrvPropIoctl.h"

#define QXDV_CONTROL_NAME "QxdvControl"

namespace qxdv {

inline constexpr uint32_t kUnitCount = 4;  // \\.\Qxdv4829001 .. 004

// The six unit requests, in one table so that sizes and names cannot differ between the
// driver, qxdvctl and the log. A request is addressed by its index in this table.
struct RequestInfo {
  uint32_t code;
  uint32_t size;  // bytes each way
  const char* name;
};

inline constexpr RequestInfo kRequests[] = {
    {IOCTL_DRV_GET_SETTINGS, sizeof(DRVPROP_SETTINGS_IO), "IOCTL_DRV_GET_SETTINGS"},
    {IOCTL_DRV_SET_SETTINGS, sizeof(DRVPROP_SETTINGS_IO), "IOCTL_DRV_SET_SETTINGS"},
    {IOCTL_DRV_GET_STREAM_STATE, sizeof(STREAM_STATE), "IOCTL_DRV_GET_STREAM_STATE"},
    {IOCTL_DRV_GET_UNIT_INFO, sizeof(UNIT_INFO), "IOCTL_DRV_GET_UNIT_INFO"},
    {IOCTL_DRV_GET_UNIT_MODE, sizeof(UNIT_MODE), "IOCTL_DRV_GET_UNIT_MODE"},
    {IOCTL_DRV_GET_UNIT_CLOCK, sizeof(UNIT_CLOCK), "IOCTL_DRV_GET_UNIT_CLOCK"},
};
inline constexpr uint32_t kRequestCount = sizeof(kRequests) / sizeof(kRequests[0]);
inline constexpr uint32_t kNoRequest = kRequestCount;

constexpr uint32_t RequestIndex(uint32_t code) {
  for (uint32_t i = 0; i < kRequestCount; ++i) {
    if (kRequests[i].code == code) return i;
  }
  return kNoRequest;
}

// Private request codes of the control device, in the range Windows leaves to vendors.
inline constexpr uint32_t QXDV_IOCTL_COMMAND = drvprop::wire::DriverRequestCode(0xA01);
inline constexpr uint32_t QXDV_IOCTL_READ_UNIT = drvprop::wire::DriverRequestCode(0xA02);
inline constexpr uint32_t QXDV_IOCTL_READ_LOG = drvprop::wire::DriverRequestCode(0xA03);

// What a unit does instead of a normal answer to one request.
enum FaultKind : uint32_t {
  kFaultNone = 0,
  kFaultFail = 1,        // the request fails with STATUS_UNSUCCESSFUL
  kFaultShortReply = 2,  // the reply reports only replyBytes bytes
};

struct QXDV_FAULT {
  uint32_t kind;  // FaultKind
  uint32_t replyBytes;
};

inline constexpr uint32_t kMaxStatusScript = 16;

// Everything one simulated unit answers with. The driver keeps one per unit and hands a
// copy to QXDV_IOCTL_READ_UNIT.
struct QXDV_UNIT_STATE {
  uint32_t plugged;
  int32_t getStatus;  // status word of every Get reply
  // Set replies take their status from this script, one value per Set; once the script
  // is used up, every further Set answers its last value.
  uint32_t scriptLength;
  uint32_t scriptNext;
  int32_t statusScript[kMaxStatusScript];
  DRVPROP_SETTINGS record;
  int32_t unitCount;
  int32_t streamRate;
  int32_t unitMode;
  int32_t clockRate;
  uint32_t infoLength;  // may exceed kMaxInfoData on purpose, to test the panel's guard
  uint8_t infoData[kMaxInfoData];
  QXDV_FAULT faults[kRequestCount];
};

enum CommandOp : uint32_t {
  kOpReset = 1,     // every unit back to its state at driver load; log cleared
  kOpPlug,          // create the unit's devices
  kOpUnplug,        // delete them
  kOpStream,        // values[0] = unitCount, values[1] = sampleRate
  kOpInfo,          // infoLength = count, infoData = bytes[0..count)
  kOpInfoLength,    // infoLength = arg, data untouched
  kOpMode,          // unitMode = values[0]
  kOpClock,         // clockRate = values[0]
  kOpGetStatus,     // getStatus = values[0]
  kOpStatusScript,  // script = values[0..count), restarted
  kOpFault,         // faults[arg] = {values[0], values[1]}
  kOpClearFaults,   // every fault of the unit cleared
  kOpField,         // record word number arg = values[0]
  kOpLogClear,      // unit ignored
};

struct QXDV_COMMAND {
  uint32_t op;    // CommandOp
  uint32_t unit;  // 1..kUnitCount
  uint32_t arg;
  uint32_t count;
  int32_t values[kMaxStatusScript];
  uint8_t bytes[kMaxInfoData];
};

// QXDV_IOCTL_READ_UNIT takes a unit number (1..kUnitCount) as a uint32_t and answers a
// QXDV_UNIT_STATE.

inline constexpr uint32_t kLogCapacity = 256;

enum LogFlags : uint32_t {
  kLogHasStatus = 1,  // statusAnswered carries the status word of a settings reply
};

struct QXDV_LOG_ENTRY {
  uint32_t milliseconds;  // since the driver was loaded
  uint32_t unit;          // 1..kUnitCount
  uint32_t code;          // request code as received
  int32_t result;         // NTSTATUS the request completed with
  uint32_t information;   // bytes the reply reported
  uint32_t flags;         // LogFlags
  int32_t statusAnswered;
};

// Answer of QXDV_IOCTL_READ_LOG: the entries since the last clear, oldest first. When
// more than kLogCapacity requests came in, the oldest are dropped and counted.
struct QXDV_LOG {
  uint32_t count;
  uint32_t dropped;
  QXDV_LOG_ENTRY entries[kLogCapacity];
};

static_assert(sizeof(QXDV_FAULT) == 8);
static_assert(offsetof(QXDV_UNIT_STATE, statusScript) == 16);
static_assert(offsetof(QXDV_UNIT_STATE, record) == 16 + 4 * kMaxStatusScript);
static_assert(offsetof(QXDV_UNIT_STATE, infoLength) == 16 + 4 * kMaxStatusScript + 324 + 16);
static_assert(sizeof(QXDV_UNIT_STATE) ==
              16 + 4 * kMaxStatusScript + 324 + 16 + 4 + kMaxInfoData + 8 * kRequestCount);
static_assert(offsetof(QXDV_COMMAND, values) == 16);
static_assert(sizeof(QXDV_COMMAND) == 16 + 4 * kMaxStatusScript + kMaxInfoData);
static_assert(sizeof(QXDV_LOG_ENTRY) == 28);
static_assert(sizeof(QXDV_LOG) == 8 + 28 * kLogCapacity);

}  // namespace qxdv

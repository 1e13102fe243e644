#include "SimulatedUnits.h"

namespace qxdv {
namespace {

constexpr int kRateTableColumns = 7;
constexpr char kDefaultInfo[] = "QXDV4829 UNIT";
constexpr int32_t kDefaultRate = 48000;

void ResetUnit(QXDV_UNIT_STATE& unit, bool plugged) {
  RtlZeroMemory(&unit, sizeof(unit));
  unit.plugged = plugged ? 1 : 0;
  unit.getStatus = 1;
  unit.scriptLength = 1;
  unit.statusScript[0] = 0;
  SetSettingsDefaults(unit.record);
  // A pattern that shows at a glance whether a table came through whole and in order.
  for (int i = 0; i < kRateTableEntries; ++i) {
    unit.record.rateTable[i] = 1000 * (i / kRateTableColumns) + i % kRateTableColumns;
  }
  unit.unitCount = 1;
  unit.streamRate = kDefaultRate;
  unit.unitMode = 1;
  unit.clockRate = kDefaultRate;
  unit.infoLength = sizeof(kDefaultInfo) - 1;
  RtlCopyMemory(unit.infoData, kDefaultInfo, unit.infoLength);
}

int32_t NextSetStatus(QXDV_UNIT_STATE& unit) {
  if (unit.scriptLength == 0) return 0;
  const int32_t status = unit.statusScript[unit.scriptNext];
  if (unit.scriptNext + 1 < unit.scriptLength) ++unit.scriptNext;
  return status;
}

// Writes the reply of request `index` into `buffer` (which holds at least its size) and
// returns the status word of a settings reply, if the request has one.
bool FillReply(QXDV_UNIT_STATE& unit, uint32_t index, void* buffer, int32_t& statusWord) {
  switch (kRequests[index].code) {
    case IOCTL_DRV_GET_SETTINGS: {
      auto* io = static_cast<DRVPROP_SETTINGS_IO*>(buffer);
      io->settings = unit.record;
      io->status = statusWord = unit.getStatus;
      return true;
    }
    case IOCTL_DRV_SET_SETTINGS: {
      // The record stays in the buffer as it came: the reply echoes what was stored.
      auto* io = static_cast<DRVPROP_SETTINGS_IO*>(buffer);
      unit.record = io->settings;
      io->status = statusWord = NextSetStatus(unit);
      return true;
    }
    case IOCTL_DRV_GET_STREAM_STATE: {
      STREAM_STATE state{};
      state.unitCount = unit.unitCount;
      state.sampleRate = unit.streamRate;
      RtlCopyMemory(buffer, &state, sizeof(state));
      return false;
    }
    case IOCTL_DRV_GET_UNIT_INFO: {
      auto* info = static_cast<UNIT_INFO*>(buffer);
      info->reserved0 = 0;
      info->infoLength = unit.infoLength;
      RtlCopyMemory(info->infoData, unit.infoData, sizeof(info->infoData));
      return false;
    }
    case IOCTL_DRV_GET_UNIT_MODE:
      static_cast<UNIT_MODE*>(buffer)->unitMode = unit.unitMode;
      return false;
    case IOCTL_DRV_GET_UNIT_CLOCK: {
      UNIT_CLOCK clock{};
      clock.sampleRate = unit.clockRate;
      RtlCopyMemory(buffer, &clock, sizeof(clock));
      return false;
    }
  }
  return false;
}

}  // namespace

void ResetUnits(UnitStates& units) {
  for (uint32_t i = 0; i < kUnitCount; ++i) ResetUnit(units[i], i == 0);
}

UnitAnswer AnswerUnitRequest(QXDV_UNIT_STATE& unit, ULONG code, void* buffer, ULONG inLength,
                             ULONG outLength) {
  UnitAnswer answer{STATUS_SUCCESS, 0, false, 0};
  const uint32_t index = RequestIndex(code);
  if (index == kNoRequest) {
    answer.status = STATUS_INVALID_DEVICE_REQUEST;
    return answer;
  }
  const ULONG size = kRequests[index].size;
  // Only Set reads its input; the queries must not depend on what the caller sends.
  const ULONG inputNeeded = code == IOCTL_DRV_SET_SETTINGS ? size : 0;
  if (buffer == nullptr || outLength < size || inLength < inputNeeded) {
    answer.status = STATUS_BUFFER_TOO_SMALL;
    return answer;
  }
  const QXDV_FAULT& fault = unit.faults[index];
  if (fault.kind == kFaultFail) {
    answer.status = STATUS_UNSUCCESSFUL;
    return answer;
  }
  answer.hasStatusWord = FillReply(unit, index, buffer, answer.statusWord);
  answer.information = size;
  if (fault.kind == kFaultShortReply && fault.replyBytes < size) {
    answer.information = fault.replyBytes;
  }
  return answer;
}

NTSTATUS ApplyUnitCommand(QXDV_UNIT_STATE& unit, const QXDV_COMMAND& command) {
  switch (command.op) {
    case kOpStream:
      unit.unitCount = command.values[0];
      unit.streamRate = command.values[1];
      return STATUS_SUCCESS;
    case kOpInfo:
      if (command.count > kMaxInfoData) return STATUS_INVALID_PARAMETER;
      RtlZeroMemory(unit.infoData, sizeof(unit.infoData));
      RtlCopyMemory(unit.infoData, command.bytes, command.count);
      unit.infoLength = command.count;
      return STATUS_SUCCESS;
    case kOpInfoLength:
      unit.infoLength = command.arg;
      return STATUS_SUCCESS;
    case kOpMode:
      unit.unitMode = command.values[0];
      return STATUS_SUCCESS;
    case kOpClock:
      unit.clockRate = command.values[0];
      return STATUS_SUCCESS;
    case kOpGetStatus:
      unit.getStatus = command.values[0];
      return STATUS_SUCCESS;
    case kOpStatusScript:
      if (command.count == 0 || command.count > kMaxStatusScript) return STATUS_INVALID_PARAMETER;
      RtlCopyMemory(unit.statusScript, command.values, command.count * sizeof(int32_t));
      unit.scriptLength = command.count;
      unit.scriptNext = 0;
      return STATUS_SUCCESS;
    case kOpFault:
      if (command.arg >= kRequestCount ||
          static_cast<uint32_t>(command.values[0]) > kFaultShortReply) {
        return STATUS_INVALID_PARAMETER;
      }
      unit.faults[command.arg].kind = static_cast<uint32_t>(command.values[0]);
      unit.faults[command.arg].replyBytes = static_cast<uint32_t>(command.values[1]);
      return STATUS_SUCCESS;
    case kOpClearFaults:
      RtlZeroMemory(unit.faults, sizeof(unit.faults));
      return STATUS_SUCCESS;
    case kOpField: {
      constexpr uint32_t kWords = sizeof(DRVPROP_SETTINGS) / sizeof(int32_t);
      if (command.arg >= kWords) return STATUS_INVALID_PARAMETER;
      int32_t words[kWords];
      RtlCopyMemory(words, &unit.record, sizeof(words));
      words[command.arg] = command.values[0];
      RtlCopyMemory(&unit.record, words, sizeof(words));
      return STATUS_SUCCESS;
    }
  }
  return STATUS_INVALID_PARAMETER;
}

}  // namespace qxdv

#include "FaultModel.h"

#include <algorithm>
#include <cstring>

#include "dialogs/BufferLevel.h"

namespace drvprop::e2e {
namespace {

constexpr uint32_t kGet = qxdv::RequestIndex(IOCTL_DRV_GET_SETTINGS);
constexpr uint32_t kSet = qxdv::RequestIndex(IOCTL_DRV_SET_SETTINGS);
constexpr uint32_t kStatusOffset = offsetof(DRVPROP_SETTINGS_IO, status);

// Open, probe and request all succeed: under Wine an existing device always opens.
bool Answers(const qxdv::QXDV_UNIT_STATE& unit, uint32_t request) {
  return unit.plugged != 0 && unit.faults[request].kind != qxdv::kFaultFail;
}

uint32_t ReplyBytes(const qxdv::QXDV_UNIT_STATE& unit, uint32_t request) {
  const qxdv::QXDV_FAULT& fault = unit.faults[request];
  const uint32_t size = qxdv::kRequests[request].size;
  return fault.kind == qxdv::kFaultShortReply ? std::min(fault.replyBytes, size) : size;
}

bool AnyPlugged(const UnitStates& units) {
  return std::any_of(units.begin(), units.end(), [](const auto& u) { return u.plugged != 0; });
}

// The documented folding of Set answers: a power cycle outranks "in use", which outranks
// nothing to report; other values change nothing.
int32_t Fold(int32_t aggregate, int32_t reply) {
  if (reply == 2 || reply == 3) return 2;
  if (reply == 1) return aggregate == 2 ? 2 : 1;
  return aggregate;
}

// One WriteSettings over every unit; `status` is the request's status word, carried from
// one answering unit to the next and replaced by the aggregate when any unit answered.
bool WriteAll(UnitStates& units, int32_t& status, ApplyOutcome& outcome) {
  int32_t aggregate = 0;
  bool answered = false;
  for (size_t i = 0; i < units.size(); ++i) {
    qxdv::QXDV_UNIT_STATE& unit = units[i];
    if (!Answers(unit, kSet)) continue;
    answered = true;
    ++outcome.answeredSets[i];
    // As the driver consumes its script: the last value repeats once it is used up.
    const int32_t reply = unit.statusScript[std::min(unit.scriptNext, qxdv::kMaxStatusScript - 1)];
    if (unit.scriptNext + 1 < unit.scriptLength) ++unit.scriptNext;
    const uint32_t bytes = ReplyBytes(unit, kSet);
    if (bytes > kStatusOffset) std::memcpy(&status, &reply, std::min(bytes - kStatusOffset, 4u));
    aggregate = Fold(aggregate, status);
  }
  if (answered) status = aggregate;
  return answered;
}

}  // namespace

StartOutcome PredictStart(const UnitStates& units) {
  if (!AnyPlugged(units)) return {};
  DRVPROP_SETTINGS_IO request{};
  SetSettingsDefaults(request.settings);
  for (const qxdv::QXDV_UNIT_STATE& unit : units) {
    if (!Answers(unit, kGet)) continue;
    const DRVPROP_SETTINGS_IO reply{unit.record, unit.getStatus};
    std::memcpy(&request, &reply, ReplyBytes(unit, kGet));
    if (request.status == 0) return {};
    StartOutcome outcome{true, request.settings};
    ClampBoundedValues(outcome.settings);
    return outcome;
  }
  return {};
}

ApplyOutcome PredictApply(const UnitStates& unitsNow, bool viaApplyButton) {
  ApplyOutcome outcome;
  if (viaApplyButton && !AnyPlugged(unitsNow)) {
    outcome.message = ApplyMessage::kNoDevice;
    return outcome;
  }
  UnitStates units = unitsNow;  // the status scripts advance with every answered Set
  int32_t status = 0;           // the panel zeroes its request
  if (!WriteAll(units, status, outcome)) {
    outcome.message = ApplyMessage::kNoDevice;
  } else if (status == 2) {
    outcome.message = ApplyMessage::kPowerCycle;
  } else if (status == 1) {
    if (!WriteAll(units, status, outcome)) {
      outcome.message = ApplyMessage::kNoDevice;
    } else if (status == 1) {
      outcome.message = ApplyMessage::kInUse;
    }
  }
  return outcome;
}

}  // namespace drvprop::e2e

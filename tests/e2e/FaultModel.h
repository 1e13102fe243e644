// What the panel must do with the units as the substitute driver holds them at that
// moment: whether it opens its settings and with which record, and what an Apply or OK
// sends, to which units, and what it then shows. Worked out byte by byte, because a short
// reply leaves the rest of the request as the panel sent it.
#pragma once

#include <array>

#include "QxdvControl.h"
#include "driver/DrvPropIoctl.h"

namespace drvprop::e2e {

using UnitStates = std::array<qxdv::QXDV_UNIT_STATE, qxdv::kUnitCount>;

struct StartOutcome {
  bool showsSettings = false;   // false: the no-device dialog, then the end
  DRVPROP_SETTINGS settings{};  // the dialog's record once its controls are set
};
StartOutcome PredictStart(const UnitStates& units);

enum class ApplyMessage { kNone, kInUse, kPowerCycle, kNoDevice };

struct ApplyOutcome {
  ApplyMessage message = ApplyMessage::kNone;
  std::array<int, qxdv::kUnitCount> answeredSets{};  // per unit: 0, 1 or 2 (with the retry)
};
// The Apply button first counts the units that open and shows the no-device dialog without
// sending anything when there is none; OK sends at once.
ApplyOutcome PredictApply(const UnitStates& units, bool viaApplyButton);

}  // namespace drvprop::e2e

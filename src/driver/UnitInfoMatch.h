// Whether two units describe themselves alike, which is how the panel tells units that
// stream together when none reports a stream state.
#pragma once

#include "driver/DrvPropIoctl.h"

namespace drvprop {

// Same when both lengths are equal and the first `infoLength` bytes match once ASCII
// letters are folded to lower case; every other byte must match exactly. A length beyond
// the block (over kMaxInfoData) makes the blocks different rather than reading past them.
bool SameUnitInfo(const UNIT_INFO& a, const UNIT_INFO& b);

}  // namespace drvprop

// The ring of unit requests the driver answered, so that a test can see afterwards what
// the panel asked and what it got. Not synchronised: the driver holds its lock.
#pragma once

#include "QxdvControl.h"

namespace qxdv {

class RequestLog {
 public:
  void Clear();
  void Add(const QXDV_LOG_ENTRY& entry);
  // Oldest first, with the number of entries that no longer fit.
  void CopyTo(QXDV_LOG& out) const;

 private:
  QXDV_LOG_ENTRY ring_[kLogCapacity];
  uint32_t first_;
  uint32_t count_;
  uint32_t dropped_;
};

}  // namespace qxdv

#include "RequestLog.h"

namespace qxdv {

void RequestLog::Clear() {
  first_ = 0;
  count_ = 0;
  dropped_ = 0;
}

void RequestLog::Add(const QXDV_LOG_ENTRY& entry) {
  if (count_ == kLogCapacity) {
    ring_[first_] = entry;
    first_ = (first_ + 1) % kLogCapacity;
    ++dropped_;
    return;
  }
  ring_[(first_ + count_) % kLogCapacity] = entry;
  ++count_;
}

void RequestLog::CopyTo(QXDV_LOG& out) const {
  out.count = count_;
  out.dropped = dropped_;
  for (uint32_t i = 0; i < count_; ++i) out.entries[i] = ring_[(first_ + i) % kLogCapacity];
}

}  // namespace qxdv

#include "data/RecordsDone.h"

#include <algorithm>

namespace kuitti {

void RecordsDone::MarkDone(std::int64_t first, std::int64_t count) {
  const std::lock_guard lock(mutex_);
  if (first > doneBelow_) {
    doneAfterAGap_[first] = first + count;
    return;
  }
  doneBelow_ = std::max(doneBelow_, first + count);
  // Blocks that the gap kept apart now follow on.
  for (auto next = doneAfterAGap_.begin();
       next != doneAfterAGap_.end() && next->first <= doneBelow_;
       next = doneAfterAGap_.erase(next)) {
    doneBelow_ = std::max(doneBelow_, next->second);
  }
}

bool RecordsDone::AllDoneBefore(std::int64_t first) const {
  const std::lock_guard lock(mutex_);
  return doneBelow_ >= first;
}

}  // namespace kuitti

#pragma once

#include <cstdint>
#include <map>
#include <mutex>

namespace kuitti {

// Which records, counted from the first, have all been through a step that two threads take
// a block at a time, in any order. Whatever a thread did before marking its block is seen by
// a thread that then finds every record before its own done.
class RecordsDone {
 public:
  // Records first to first + count - 1; a block marked again counts once.
  void MarkDone(std::int64_t first, std::int64_t count);
  bool AllDoneBefore(std::int64_t first) const;

 private:
  mutable std::mutex mutex_;
  std::int64_t doneBelow_ = 0;
  std::map<std::int64_t, std::int64_t> doneAfterAGap_;  // each block's first record and end
};

}  // namespace kuitti

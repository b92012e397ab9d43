#include "data/RecordsDone.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kuitti::test {
namespace {

// Blocks marked in any order, and marked again: every record before a block counts as done
// only once no block before it is missing.
TEST(RecordsDone, AllBeforeAreDoneOnlyWithoutAGap) {
  struct Case {
    std::string what;
    std::vector<std::pair<std::int64_t, std::int64_t>> marked;  // first, count
    std::int64_t first;
    bool allDoneBefore;
  };
  const std::vector<Case> cases = {
      {"nothing marked, the first block", {}, 0, true},
      {"nothing marked, a later block", {}, 10, false},
      {"the block before", {{0, 10}}, 10, true},
      {"past the end of what is marked", {{0, 10}}, 11, false},
      {"the second block without the first", {{10, 10}}, 20, false},
      {"the first block joins the second", {{10, 10}, {0, 10}}, 20, true},
      {"three in reverse order", {{20, 5}, {10, 10}, {0, 10}}, 25, true},
      {"a gap stays", {{0, 10}, {20, 10}}, 30, false},
      {"up to the gap", {{0, 10}, {20, 10}}, 10, true},
      {"a block marked twice", {{0, 10}, {10, 10}, {0, 10}, {10, 10}}, 20, true},
      {"a block past a gap marked twice", {{20, 10}, {20, 10}, {0, 20}}, 30, true},
  };
  for (const Case& c : cases) {
    RecordsDone done;
    for (const auto& [first, count] : c.marked) {
      done.MarkDone(first, count);
    }
    EXPECT_EQ(done.AllDoneBefore(c.first), c.allDoneBefore) << c.what;
  }
}

}  // namespace
}  // namespace kuitti::test

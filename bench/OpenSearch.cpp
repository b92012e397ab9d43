// What opening "Etsi kuitti" reads, without a window: the newest receipt's day, then that day's
// receipts up to the dialog's limit. Prints the day and how many receipts it listed.
//   kuittikopio-bench-open-search DIR/

#include <cstdio>
#include <optional>
#include <string>

#include "data/FileAccess.h"
#include "data/RuntimeError.h"
#include "receipt/NewestReceipt.h"
#include "receipt/ReceiptSearch.h"

namespace {

// The dialog's limit (search_dialog::kMostShown), which is the window's.
constexpr std::size_t kMostShown = 1000;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("Käyttö: kuittikopio-bench-open-search DIR/\n", stderr);
    return 2;
  }
  const std::string dataPath = argv[1];
  try {
    kuitti::FileSystem& files = kuitti::SystemFileSystem();
    const std::optional<std::int32_t> day = kuitti::NewestReceiptDay(dataPath, files);
    if (!day) {
      std::puts("no receipt");
      return 1;
    }
    kuitti::SearchCriteria criteria;
    criteria.fromDay = day;
    criteria.toDay = day;
    const kuitti::SearchResult result = kuitti::FindReceipts(dataPath, files, criteria, kMostShown);
    std::printf("day %d: %zu listed of %lld\n", *day, result.hits.size(),
                static_cast<long long>(result.matched));
  } catch (const kuitti::RuntimeError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 2;
  }
  return 0;
}

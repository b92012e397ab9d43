#include <gtest/gtest.h>

#include <filesystem>

#include "receipt/NewestReceipt.h"
#include "support/DataFiles.h"

namespace kuitti::test {
namespace {

Row ItemRow() {
  return Row{.productCode = "6410000000011", .priceRaw = 12500, .quantityRaw = 10000};
}

Row TotalsRow(double saleTime, std::string kind = "M") {
  return Row{.kind = std::move(kind), .saleTime = saleTime, .priceRaw = 12500};
}

// The till appends receipts: the newest is the last totals row that a listing would show.
TEST(NewestReceipt, IsTheLastListedTotalsRowWhateverFollowsIt) {
  constexpr double kMonday = 45743.5;  // 27.03.2025 12:00
  constexpr std::int32_t kMondayNumber = 45743;
  std::vector<Row> manyItems(1500, ItemRow());
  manyItems.insert(manyItems.begin(), TotalsRow(kMonday - 3));
  struct Case {
    std::string name;
    std::vector<Row> rows;
    std::size_t cutBytes;  // of a last record the till is still writing
    std::optional<std::int32_t> day;
  };
  const std::vector<Case> cases = {
      {"no rows", {}, 0, std::nullopt},
      {"item rows only", {ItemRow(), ItemRow()}, 0, std::nullopt},
      {"the last of several",
       {TotalsRow(kMonday - 1), ItemRow(), TotalsRow(kMonday)},
       0,
       kMondayNumber},
      {"items of a receipt being written after it",
       {TotalsRow(kMonday), ItemRow(), ItemRow()},
       0,
       kMondayNumber},
      {"a half-written totals row is not yet one",
       {TotalsRow(kMonday - 1), TotalsRow(kMonday)},
       60,
       kMondayNumber - 1},
      {"lower-case kinds count, others do not",
       {TotalsRow(kMonday - 1, "a"), TotalsRow(kMonday, "X")},
       0,
       kMondayNumber - 1},
      {"a time below zero shows no day",
       {TotalsRow(kMonday - 2), TotalsRow(-kMonday)},
       0,
       kMondayNumber - 2},
      {"a second before midnight rounds into the next day",
       {TotalsRow(kMondayNumber + 1 - 0.4 / 86400)},
       0,
       kMondayNumber + 1},
      {"far back in a long file", manyItems, 0, kMondayNumber - 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DataDirectory directory;
    directory.WriteRows(c.rows);
    if (c.cutBytes > 0) {
      const auto path = directory.path() / "CASSA.004";
      std::filesystem::resize_file(path, std::filesystem::file_size(path) - 104 + c.cutBytes);
    }
    EXPECT_EQ(NewestReceiptDay(directory.DataPath(), SystemFileSystem()), c.day);
  }
}

}  // namespace
}  // namespace kuitti::test

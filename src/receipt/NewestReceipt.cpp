#include "receipt/NewestReceipt.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "data/OpenDataFiles.h"
#include "data/RecordFile.h"
#include "data/Records.h"
#include "receipt/DateTimeText.h"
#include "receipt/RowCriteria.h"

namespace kuitti {
namespace {

constexpr std::int64_t kRecordsAtATime = 512;

}  // namespace

std::optional<std::int32_t> NewestReceiptDay(const std::string& dataPath, FileSystem& fileSystem) {
  const auto rows = fileSystem.OpenShared(dataPath + std::string(kReceiptRowsFileName));
  constexpr std::int64_t kLength = ReceiptRowRecord::kLength;
  // Only whole records, as for the copy: the till may be writing the last one.
  std::int64_t end = RecordCount(*rows, kLength);
  // Without criteria, what every listed receipt is: a rendered totals row with a date.
  const RowCriteria receipt(SearchCriteria{});
  std::vector<unsigned char> block;
  while (end > 0) {
    const std::int64_t start = std::max<std::int64_t>(0, end - kRecordsAtATime);
    block.resize(static_cast<std::size_t>((end - start) * kLength));
    const std::size_t got = ReadFully(*rows, start * kLength, block);
    // A file cut shorter meanwhile gives fewer bytes: only the whole records read count.
    for (std::int64_t i = static_cast<std::int64_t>(got) / kLength - 1; i >= 0; --i) {
      const unsigned char* row = block.data() + i * kLength;
      // A day value below zero shows no day that a search could be bounded by.
      if (receipt.MeetsRowCriteria(row) && RowCriteria::SaleTime(row) >= 0) {
        return DayShown(RowCriteria::SaleTime(row));
      }
    }
    end = start;
  }
  return std::nullopt;
}

std::int32_t DayShown(double dayValue) {
  const auto day = static_cast<std::int32_t>(std::floor(dayValue));
  return dayValue >= FirstDayValueShownOn(std::int64_t{day} + 1) ? day + 1 : day;
}

}  // namespace kuitti

#include <algorithm>

#include "RecordFile.h"
#include "SalesData.h"

namespace kuitti {

void LookUpProduct(SalesData& data) {
  RandomAccessFile& index = data.files.File(OpenFiles::kProductIndex);
  const TextField<13>& wanted = data.receiptRow.ProductCode;

  // 64-bit bounds so that lo + hi and mid + 1 cannot overflow near the 32-bit limit.
  std::int64_t lo = 1;
  std::int64_t hi = RecordCount(index, ProductIndexRecord::kLength);
  while (lo <= hi) {
    const std::int64_t mid = (lo + hi) / 2;
    ReadRecord(index, static_cast<std::int32_t>(mid), data.productIndex);
    const auto order = std::lexicographical_compare_three_way(data.productIndex.ProductCode.begin(),
                                                              data.productIndex.ProductCode.end(),
                                                              wanted.begin(), wanted.end());
    if (order == 0) {
      ReadRecord(data.files.File(OpenFiles::kProducts), data.productIndex.ProductRecordNumber,
                 data.product);
      return;
    }
    if (order < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
    }
  }
}

}  // namespace kuitti

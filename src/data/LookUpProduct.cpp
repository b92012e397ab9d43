#include "LookUpProduct.h"

#include <algorithm>

#include "RecordFile.h"

namespace kuitti {

void LookUpProduct(RandomAccessFile& productIndex, RandomAccessFile& products,
                   const TextField<13>& code, ProductIndexRecord& probe, ProductRecord& product) {
  // 64-bit bounds so that lo + hi and mid + 1 cannot overflow near the 32-bit limit.
  std::int64_t lo = 1;
  std::int64_t hi = RecordCount(productIndex, ProductIndexRecord::kLength);
  while (lo <= hi) {
    const std::int64_t mid = (lo + hi) / 2;
    ReadRecord(productIndex, static_cast<std::int32_t>(mid), probe);
    const auto order = std::lexicographical_compare_three_way(
        probe.ProductCode.begin(), probe.ProductCode.end(), code.begin(), code.end());
    if (order == 0) {
      ReadRecord(products, probe.ProductRecordNumber, product);
      return;
    }
    if (order < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
    }
  }
  product.ProductName.fill(U' ');
}

}  // namespace kuitti

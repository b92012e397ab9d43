#include "data/LookUpProduct.h"

#include <algorithm>

#include "data/RecordFile.h"

namespace kuitti {
namespace {

ProductLookup ReadProduct(RandomAccessFile& products, const ProductIndexRecord& hit,
                          ProductRecord& product) {
  ReadRecord(products, hit.ProductRecordNumber, product);
  return hit.ProductRecordNumber > RecordCount(products, ProductRecord::kLength)
             ? ProductLookup::kPastTheProducts
             : ProductLookup::kFound;
}

}  // namespace

ProductLookup LookUpProduct(RandomAccessFile& productIndex, RandomAccessFile& products,
                            const TextField<13>& code, ProductIndexRecord& probe,
                            ProductRecord& product) {
  const std::int32_t count = RecordCount(productIndex, ProductIndexRecord::kLength);
  // 64-bit bounds so that lo + hi and mid + 1 cannot overflow near the 32-bit limit.
  std::int64_t lo = 1;
  std::int64_t hi = count;
  while (lo <= hi) {
    const std::int64_t mid = (lo + hi) / 2;
    ReadRecord(productIndex, static_cast<std::int32_t>(mid), probe);
    const auto order = std::lexicographical_compare_three_way(
        probe.ProductCode.begin(), probe.ProductCode.end(), code.begin(), code.end());
    if (order == 0) {
      return ReadProduct(products, probe, product);
    }
    if (order < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
    }
  }
  for (std::int32_t number = 1; number <= count; ++number) {
    ReadRecord(productIndex, number, probe);
    if (probe.ProductCode == code) {
      return ReadProduct(products, probe, product);
    }
  }
  product.ProductName.fill(U' ');
  return ProductLookup::kNotInIndex;
}

}  // namespace kuitti

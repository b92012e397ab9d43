#include "receipt/ItemColumns.h"

#include <algorithm>

#include "data/Utf8.h"
#include "receipt/AmountText.h"
#include "receipt/ReceiptLayout.h"

namespace kuitti {

std::string ItemColumns(std::string_view vatKey, std::string_view quantity, std::string_view price,
                        std::string_view rowSum) {
  using layout::kPriceWidth;
  using layout::kQuantityWidth;
  // Columns the quantity needs beyond its field with a space before it, and those the price
  // can give up while keeping a space before itself.
  const std::size_t quantityLength = Utf8Length(quantity);
  const std::size_t wanted =
      quantityLength + 1 > kQuantityWidth ? quantityLength + 1 - kQuantityWidth : 0;
  const std::size_t priceLength = Utf8Length(price);
  const std::size_t spare = priceLength + 1 < kPriceWidth ? kPriceWidth - priceLength - 1 : 0;
  const std::size_t moved = std::min(wanted, spare);

  std::string columns = RightAligned(vatKey, layout::kVatWidth);
  columns += RightAligned(quantity, kQuantityWidth + moved);
  columns += RightAligned(price, kPriceWidth - moved);
  columns += RightAligned(rowSum, layout::kRowSumWidth);
  return columns;
}

}  // namespace kuitti

#pragma once

#include <string>

#include "data/Records.h"

namespace kuitti {

// What the data access keeps for the whole run: the data directory and one buffer of each
// record type, all zero at start. A buffer keeps the last record read into it, across
// fetches, but for the product's name, which a product not found blanks.
struct SalesData {
  std::string DataPath;
  ProductIndexRecord productIndex;
  ProductRecord product;
  ReceiptRowRecord receiptRow;
};

}  // namespace kuitti

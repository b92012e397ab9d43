#pragma once

// The data files that the live-writer tests fetch from while a writer changes them.

#include <string>
#include <vector>

#include "DataFiles.h"

namespace kuitti::test {

inline std::vector<Product> SomeProducts() {
  std::vector<Product> products;
  for (int i = 0; i < 200; ++i) {
    products.push_back({std::to_string(6410000000000 + 7 * i), "Tuote " + std::to_string(i)});
  }
  return products;
}

inline std::vector<Row> SomeRows() {
  std::vector<Row> rows;
  for (int voucher = 100000; voucher < 100300; ++voucher) {
    for (int item = 1; item <= 5; ++item) {
      rows.push_back(Row{.kind = "M",
                         .voucher = std::to_string(voucher),
                         .rowNumber = "00" + std::to_string(item),
                         .productCode = std::to_string(6410000000000 + 7 * (voucher % 200)),
                         .priceRaw = 12500 * item,
                         .quantityRaw = 10000,
                         .vatRate = 24});
    }
    rows.push_back(Row{
        .kind = "M", .voucher = std::to_string(voucher), .saleTime = 45000.25, .priceRaw = 187500});
  }
  return rows;
}

}  // namespace kuitti::test

#pragma once

// The data files that the live-writer tests fetch from while a writer changes them.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "data/RuntimeError.h"
#include "receipt/Module1.h"
#include "support/DataFiles.h"
#include "support/Fetch.h"

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

// What the fetches made of the files while the writer changed them.
struct FetchOutcomes {
  int copies = 0;
  int notFound = 0;
  int errors = 0;
};

// Fetch number `fetch` of a run: a whole copy, not found, or a numbered error, never anything
// else; counted in `outcomes`.
inline void FetchWhileWritten(const DataDirectory& directory, int fetch, Module1& module,
                              FetchOutcomes& outcomes) {
  const std::string entry = std::to_string(100000 + (fetch * 37) % 300);
  try {
    const auto copy = FetchFrom(directory, entry, module);
    if (copy) {
      EXPECT_TRUE(copy->starts_with("Kuittikopio, tositenumero M" + entry));
      EXPECT_TRUE(copy->ends_with(std::string(74, '=')));
      ++outcomes.copies;
    } else {
      ++outcomes.notFound;
    }
  } catch (const RuntimeError& error) {
    EXPECT_GT(error.number(), 0);
    EXPECT_FALSE(error.description().empty());
    ++outcomes.errors;
  }
}

// Every fetch ended one way or another, and some found the files whole.
inline void ExpectAllFetchesEnded(const FetchOutcomes& outcomes, int fetches) {
  EXPECT_EQ(outcomes.copies + outcomes.notFound + outcomes.errors, fetches);
  EXPECT_GT(outcomes.copies, 0) << "the writer left no moment for a whole copy";
  std::printf("%d copies, %d not found, %d errors\n", outcomes.copies, outcomes.notFound,
              outcomes.errors);
}

}  // namespace kuitti::test

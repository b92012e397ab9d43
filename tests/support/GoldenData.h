#pragma once

#include <vector>

#include "support/DataFiles.h"

namespace kuitti::test {

// The hand-made data sets behind the golden copies under tests/golden.

// Products in CASSA.002 in an order other than the index's, so that product record numbers
// differ from index positions.
const std::vector<Product>& GoldenCatalogue();

// The receipt rows of many small vouchers, interleaved with each other.
const std::vector<Row>& GoldenStoreRows();

// The golden store: catalogue, rows and an empty CASSA.005.
void WriteGoldenStore(const DataDirectory& directory);

// A CASSA.004 of one whole record and 60 bytes of a second, which the record count leaves out.
void WritePartialLastRecordStore(const DataDirectory& directory);

}  // namespace kuitti::test

#pragma once

#include <string>

#include "FileAccess.h"
#include "OpenFiles.h"
#include "Records.h"

namespace kuitti {

// What the data access keeps for the whole run: the data directory, the files open during a
// fetch and one buffer of each record type, all zero at start. A buffer keeps the last record
// read into it, across fetches.
struct SalesData {
  std::string DataPath;
  OpenFiles files;
  ProductIndexRecord productIndex;
  ProductRecord product;
  ReceiptRowRecord receiptRow;
};

// Opens CASSA.001, .002, .004 and .005 under DataPath followed directly by the file name, in
// that order; a failure leaves the files opened before it open.
void OpenDataFiles(SalesData& data, FileSystem& fileSystem);

// Finds the product of data.receiptRow by bisection of CASSA.001 and, on a hit, reads it from
// CASSA.002 into data.product. A miss leaves data.product as it was.
void LookUpProduct(SalesData& data);

}  // namespace kuitti

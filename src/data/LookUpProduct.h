#pragma once

#include "FileAccess.h"
#include "Records.h"

namespace kuitti {

// Finds `code` by bisection of the product index, reading every probe into `probe`, and on a
// hit reads the product it names from the products file into `product`. A miss leaves
// `product` as it was, so the caller shows the product found last.
void LookUpProduct(RandomAccessFile& productIndex, RandomAccessFile& products,
                   const TextField<13>& code, ProductIndexRecord& probe, ProductRecord& product);

}  // namespace kuitti
